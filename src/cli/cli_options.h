#pragma once

#include "files/worksheet.h"
#include "learning/typing_round.h"
#include "words/import_choice.h"
#include "words/message.h"

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
    // List the review schedule instead of opening a file: pairs due by `dueOn` (today when
    // unset), or every scheduled pair with `allDue`.
    bool due = false;
    std::optional<std::string> dueOn;
    bool allDue = false;
    std::optional<std::string> saveTo;
    std::optional<std::string> exportTo;
    // A worksheet in PDF, laid out as `layout` says.
    std::optional<std::string> worksheetTo;
    std::optional<WorksheetLayout> layout;
    // How an imported file is read: --columns and --header-row; the rest is guessed.
    ImportChoice import;
    // Run a typing round on the list, answers from standard input.
    bool type = false;
    std::optional<RoundDirection> direction;
    // Fit the memory model to the reviews of a file, printing the weights; nothing is stored.
    bool fit = false;
    std::optional<std::string> reviewsFrom;
    bool dryRun = false;
    std::string file;
    // Answered instead of opening a file.
    bool help = false;
    bool version = false;
};

inline constexpr const char* CliUsage =
    "usage: glossatiles-cli [--seed N] [--unblocked] [--auto-finish] [--save OUT]\n"
    "                       [--export OUT.txt|OUT.tsv|OUT.csv|OUT.kvtml]\n"
    "                       [--worksheet OUT.pdf --layout list|test|cards]\n"
    "                       [--columns W,T] [--header-row] FILE\n"
    "       glossatiles-cli --progress FILE\n"
    "       glossatiles-cli --type [--seed N] [--direction forward|backward|mixed] FILE\n"
    "       glossatiles-cli --due [--on YYYY-MM-DD | --all]\n"
    "       glossatiles-cli --fit --reviews FILE.csv [--dry-run]\n"
    "       glossatiles-cli --help | --version\n";

// In the language of the environment, as the messages are.
inline constexpr const char* CliHelp = GT_TEXT(
    "Message",
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
    "  --columns W,T  read FILE as a table, whatever its shape, taking the words from\n"
    "                 column W and their translations from column T (counted from 1)\n"
    "  --header-row   the first row of an imported table names its columns; without this\n"
    "                 option and --columns, both are guessed as in the game\n"
    "  --progress     print FILE's finished games and hardest pairs from the progress\n"
    "                 database instead (1 when it cannot be read)\n"
    "  --type         ask for the pairs of FILE one at a time, reading one answer a line\n"
    "                 from standard input; prints each verdict and a summary\n"
    "  --direction D  with --type: forward (type the translation, the default), backward\n"
    "                 (type the word) or mixed\n"
    "  --due          list the pairs due for review today or earlier, one a line:\n"
    "                 due date, word, translation and list description, tab-separated\n"
    "                 (1 when the progress database cannot be read)\n"
    "  --on DATE      with --due: the pairs due on or before DATE (YYYY-MM-DD)\n"
    "  --all          with --due: every scheduled pair\n"
    "  --fit --reviews FILE.csv\n"
    "                 fit the memory model to the reviews in FILE.csv, one a line:\n"
    "                 pair,date,rating (YYYY-MM-DD, 1 Again to 4 Easy); prints the 21\n"
    "                 parameters and the log loss and RMSE(bins) of the default and the\n"
    "                 fitted parameters on those reviews; nothing is stored (1 when the\n"
    "                 file cannot be read or a line is wrong)\n"
    "  --dry-run      with --fit: store nothing\n"
    "  --help         show this help\n"
    "  --version      show the version\n"
    "\n"
    "Exit status: 0 on success, 1 when opening, loading or saving failed, 2 for a usage error.\n");

// nullopt for a usage error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments);
