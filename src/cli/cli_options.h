#pragma once

#include "files/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CliOptions {
    std::optional<std::uint32_t> seed;
    bool unblocked = false;
    bool autoFinish = false;
    // Print the list's history from the progress database instead of the summary.
    bool progress = false;
    std::optional<std::string> saveTo;
    std::optional<std::string> exportTo;
    // A worksheet in PDF, laid out as `layout` says.
    std::optional<std::string> worksheetTo;
    std::optional<WorksheetLayout> layout;
    std::string file;
    // Answered instead of opening a file.
    bool help = false;
    bool version = false;
};

inline constexpr const char* CliUsage =
    "usage: glossatiles-cli [--seed N] [--unblocked] [--auto-finish] [--save OUT]\n"
    "                       [--export OUT.txt|OUT.tsv|OUT.csv|OUT.kvtml]\n"
    "                       [--worksheet OUT.pdf --layout list|test|cards] FILE\n"
    "       glossatiles-cli --progress FILE\n"
    "       glossatiles-cli --help | --version\n";

inline constexpr const char* CliHelp =
    "Opens FILE (a word-pair list or a saved game) as the game does, without a window, and\n"
    "prints a summary of the game. Messages go to standard error.\n"
    "\n"
    "  --seed N       deal with the random seed N instead of the clock\n"
    "  --unblocked    deal so that no tile is blocked (New Game3)\n"
    "  --auto-finish  remove pairs until none can be found\n"
    "  --save OUT     save the game to OUT; never over a word list\n"
    "  --export OUT   write the word list to OUT: a native list (.txt), TSV (.tsv), CSV (.csv)\n"
    "                 or kvtml 2.0 (.kvtml)\n"
    "  --worksheet OUT --layout LAYOUT\n"
    "                 write a printable worksheet of the list to OUT as PDF: LAYOUT list\n"
    "                 (both columns), test (one column blank per row, shuffled by --seed,\n"
    "                 answer key after it) or cards (to cut out; fronts on odd pages, backs\n"
    "                 on even pages for printing on both sides)\n"
    "  --progress     print FILE's finished games and hardest pairs from the progress\n"
    "                 database instead (1 when it cannot be read)\n"
    "  --help         show this help\n"
    "  --version      show the version\n"
    "\n"
    "Exit status: 0 on success, 1 when opening, loading or saving failed, 2 for a usage error.\n";

// nullopt for a usage error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments);
