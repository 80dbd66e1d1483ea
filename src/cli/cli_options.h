#pragma once

#include "files/worksheet.h"
#include "learning/practice_round.h"
#include "words/import_choice.h"
#include "words/message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The ways of practising a list: --type, --flashcards, --choose.
enum class RoundKind { Typing, Flashcards, Choice };

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
    // Print today's practice, the goal, the streaks and the lists instead of opening a file.
    bool stats = false;
    std::optional<std::string> saveTo;
    std::optional<std::string> exportTo;
    // A worksheet in PDF, laid out as `layout` says.
    std::optional<std::string> worksheetTo;
    std::optional<WorksheetLayout> layout;
    // How an imported file is read: --columns and --header-row; the rest is guessed.
    ImportChoice import;
    // Practise the list instead of dealing it, answers from standard input.
    std::optional<RoundKind> round;
    std::optional<RoundDirection> direction;
    // Fit the memory model to the learner's review log, or to the reviews of a file, printing
    // the weights; the log's fit is kept unless `dryRun`, a file's never.
    bool fit = false;
    std::optional<std::string> reviewsFrom;
    bool dryRun = false;
    // Write the learner's results for FILE's list, under the learner's name.
    std::optional<std::string> resultsTo;
    std::optional<std::string> learnerName;
    // Gather a class's results files, or the folders that hold them, instead of opening a file;
    // the class's list is `classList` when given.
    bool classResults = false;
    std::vector<std::string> classFiles;
    std::optional<std::string> classList;
    // Settings to keep in the progress database, each a key and a value it allows; then (or
    // with `showSettings` alone) every setting is printed.
    std::vector<std::pair<std::string, double>> settings;
    bool showSettings = false;
    std::string file;
    // Answered instead of opening a file.
    bool help = false;
    bool version = false;
};

inline constexpr const char* CliUsage =
    "usage: glossatiles-cli [--seed N] [--unblocked] [--auto-finish] [--save OUT]\n"
    "                       [--export OUT.txt|OUT.tsv|OUT.csv|OUT.kvtml|OUT.apkg]\n"
    "                       [--worksheet OUT.pdf --layout list|test|cards]\n"
    "                       [--columns W,T[,N]] [--header-row] FILE\n"
    "       glossatiles-cli --progress FILE\n"
    "       glossatiles-cli --type|--flashcards|--choose [--seed N]\n"
    "                       [--direction forward|backward|mixed|listen] FILE\n"
    "       glossatiles-cli --due [--on YYYY-MM-DD | --all]\n"
    "       glossatiles-cli --stats\n"
    "       glossatiles-cli --fit [--reviews FILE.csv] [--dry-run]\n"
    "       glossatiles-cli --results OUT.json --name NAME FILE\n"
    "       glossatiles-cli --class DIR|FILE... [--list FILE]\n"
    "       glossatiles-cli --settings | --set KEY=VALUE...\n"
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
    "  --export OUT   write the word list to OUT: a native list (.txt), TSV (.tsv), CSV (.csv),\n"
    "                 kvtml 2.0 (.kvtml) or an Anki package for flashcard programs (.apkg)\n"
    "  --worksheet OUT --layout LAYOUT\n"
    "                 write a printable worksheet of the list to OUT as PDF: LAYOUT list\n"
    "                 (both columns), test (one column blank per row, shuffled by --seed,\n"
    "                 answer key after it) or cards (to cut out; fronts on odd pages, backs\n"
    "                 on even pages for printing on both sides)\n"
    "  --columns W,T[,N]\n"
    "                 read FILE as a table, whatever its shape, taking the words from\n"
    "                 column W, their translations from column T and, when given, each\n"
    "                 pair's note from column N (counted from 1)\n"
    "  --header-row   the first row of an imported table names its columns; without this\n"
    "                 option and --columns, both are guessed as in the game\n"
    "  --progress     print FILE's finished games and hardest pairs from the progress\n"
    "                 database instead (1 when it cannot be read)\n"
    "  --type         ask for the pairs of FILE one at a time, reading one answer a line\n"
    "                 from standard input; prints each verdict and a summary\n"
    "  --flashcards   show the pairs of FILE as flashcards, those due for review first, then\n"
    "                 new ones (review_pairs at most, see --set): a line turns a card,\n"
    "                 the next grades it: 1 or again, 2 or hard, 3 or good, 4 or easy\n"
    "  --choose       ask for the pairs of FILE in the same order, each with up to four\n"
    "                 answers; a line chooses one by its number or its text\n"
    "  --direction D  with --type, --flashcards or --choose: forward (ask for the\n"
    "                 translation, the default), backward (ask for the word), mixed or listen\n"
    "                 (ask for the word of the sound played, its recording or else its speech)\n"
    "  --due          list the pairs due for review today or earlier, one a line:\n"
    "                 due date, word, translation and list description, tab-separated\n"
    "                 (1 when the progress database cannot be read)\n"
    "  --on DATE      with --due: the pairs due on or before DATE (YYYY-MM-DD)\n"
    "  --all          with --due: every scheduled pair\n"
    "  --stats        print the pairs practised today, the daily goal, the current and the\n"
    "                 longest streak of days with practice, the pairs due today and the\n"
    "                 number of lists played (1 when the progress database cannot be read)\n"
    "  --fit          fit the memory model to your reviews in the progress database; prints\n"
    "                 the 21 parameters and the log loss and RMSE(bins) of the default and\n"
    "                 the fitted parameters on those reviews; when the fitted ones predict\n"
    "                 better they schedule from now on (1 when the database cannot be read)\n"
    "  --reviews FILE.csv\n"
    "                 with --fit: fit to the reviews in FILE.csv instead, one a line:\n"
    "                 pair,date,rating (YYYY-MM-DD, 1 Again to 4 Easy); nothing is stored\n"
    "                 (1 when the file cannot be read or a line is wrong)\n"
    "  --dry-run      with --fit: store nothing\n"
    "  --results OUT.json\n"
    "                 write your results with FILE's list to OUT.json for your teacher:\n"
    "                 each pair's games, misses, hints, typing rounds and memory\n"
    "  --name NAME    with --results: the learner's name the results carry\n"
    "  --class DIR|FILE...\n"
    "                 gather learners' results files (a folder: the .json files in it) and\n"
    "                 print the class's pairs, hardest first, one a line: word, translation,\n"
    "                 learners, learners who missed it and mean recall today, tab-separated;\n"
    "                 files of another list are set aside (1 when no file could be read)\n"
    "  --list FILE    with --class: the class's list is FILE's, not the one most files name\n"
    "  --settings     print the settings kept in the progress database\n"
    "  --set KEY=VALUE\n"
    "                 keep a setting, then print them all: retention (the share of pairs\n"
    "                 you want to remember when they come back, 0.7 to 0.97, 0.9 at first)\n"
    "                 review_pairs (the most pairs in Today's Review, 1 to 10000) or\n"
    "                 daily_goal (the pairs to practise each day, 1 to 1000, 20 at first)\n"
    "  --help         show this help\n"
    "  --version      show the version\n"
    "\n"
    "Exit status: 0 on success, 1 when opening, loading or saving failed, 2 for a usage error.\n");

// nullopt for a usage error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& arguments);
