#include "cli/choice_console.h"
#include "cli/class_listing.h"
#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "cli/due_listing.h"
#include "cli/flashcard_console.h"
#include "cli/game_summary.h"
#include "cli/memory_fit_report.h"
#include "cli/message_language.h"
#include "cli/progress_report.h"
#include "cli/round_console.h"
#include "cli/settings_report.h"
#include "cli/typing_console.h"
#include "files/import_chooser.h"
#include "files/open_file.h"
#include "files/results_export.h"
#include "files/typing_pairs.h"
#include "files/word_list_export.h"
#include "game/auto_play.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "glossatiles_project.h"
#include "learning/clock.h"
#include "learning/practice_overview.h"
#include "learning/review_file.h"
#include "learning/round_result.h"
#include "learning/schedule_order.h"
#include "learning/sqlite_progress_store.h"
#include "learning/stored_memory.h"
#include "print/worksheet_pdf.h"
#include "savegame/save_game.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {
constexpr int Succeeded = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;

// The store's problem on an `error: ` line.
int Fail(const ProgressStore& store, std::string_view language) {
    std::fprintf(stderr, "error: %s\n", LocalizedText(store.Problem(), language).c_str());
    return Failed;
}

// --due: the review schedule of every list, as of the clock's local day.
int ListDuePairs(const CliOptions& options, const Clock& clock, std::string_view language) {
    const Day dueBy = options.allDue  ? EveryDay
                      : options.dueOn ? ParseDay(*options.dueOn).value_or(EveryDay)
                                      : LocalDay(clock.Now());
    SqliteProgressStore store(DefaultProgressPath());
    const auto pairs = store.ScheduledPairs(dueBy, -1);
    if (!pairs) {
        return Fail(store, language);
    }
    const std::string listing = DueListing(*pairs);
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    return Succeeded;
}

// --stats: the day's practice, the goal, the streaks and the lists, as of the local day.
int PrintStats(const Clock& clock, std::string_view language) {
    SqliteProgressStore store(DefaultProgressPath());
    const std::optional<PracticeOverview> overview =
        ReadPracticeOverview(store, LocalDay(clock.Now()));
    if (!overview) {
        return Fail(store, language);
    }
    const std::string report = StatsReport(*overview);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return Succeeded;
}

// What became of a fit, after its report: "stored: no (dry run)" under --dry-run; otherwise,
// for the learner's log, whether it was stored and whether its parameters schedule now.
std::string StoredLines(const CliOptions& options, const StoredLogFit* result) {
    if (options.dryRun) {
        return "stored: no (dry run)\n";
    }
    if (!result) {
        return "";
    }
    if (!result->kept) {
        return "stored: no (no reviews to judge it on)\n";
    }
    return std::string("stored: yes\nadopted: ") + (result->adopted ? "yes" : "no") + "\n";
}

// --fit --reviews: the memory model fitted to a review file, against the default weights.
int FitReviewFile(const CliOptions& options, std::string_view language) {
    const ReviewFile file = ReadReviewFile(*options.reviewsFrom);
    if (file.problem) {
        std::fprintf(stderr, "error: %s\n", LocalizedText(*file.problem, language).c_str());
        return Failed;
    }
    const std::string report =
        MemoryFitReport(*FitMemory(file.reviews, DefaultWeights)) + StoredLines(options, nullptr);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return Succeeded;
}

// --fit: the memory model fitted to the learner's review log, kept unless --dry-run.
int FitProgressLog(const CliOptions& options, std::string_view language) {
    SqliteProgressStore store(DefaultProgressPath());
    const StoredLogFit result = FitStoredLog(store, std::time(nullptr), !options.dryRun);
    if (!result.fit) {
        return Fail(store, language);
    }
    const std::string report = MemoryFitReport(*result.fit) + StoredLines(options, &result);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return Succeeded;
}

// --set, --settings: keeps the settings given, then prints them all.
int KeepSettings(const CliOptions& options, std::string_view language) {
    SqliteProgressStore store(DefaultProgressPath());
    for (const auto& [key, value] : options.settings) {
        if (!WriteSetting(store, *SettingNamed(key), value)) {
            return Fail(store, language);
        }
    }
    const std::optional<SettingTexts> texts = store.Settings();
    if (!texts) {
        return Fail(store, language);
    }
    const std::string report = SettingsReport(*texts);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return Succeeded;
}

// Prints the round's summary and keeps it in the progress database.
void KeepRound(const PracticeRound& round, const GameState& state, ConsoleHost& host,
               SqliteProgressStore& store) {
    std::cout << RoundSummaryText(round.Summary()) << std::flush;
    if (!round.Answered().empty() && !store.Record(RoundResult(round, state, host.CurrentTime()))) {
        host.Report(ProgressNotKept(store));
    }
}

// --type, --flashcards and --choose: a round on the list, answers from standard input.
int PractiseList(const CliOptions& options, const GameState& state, ConsoleHost& host,
                 std::uint32_t seed, std::string_view language) {
    RandomSource random;
    random.Seed(seed);
    const RoundDirection direction = options.direction.value_or(RoundDirection::Forward);
    const std::time_t now = std::time(nullptr);
    const std::vector<TypingPair> pairs = TypingPairsOf(state.WordList, state.ListPath);
    SqliteProgressStore store(DefaultProgressPath());
    if (options.round == RoundKind::Typing) {
        TypingRound round(pairs, direction, random, now);
        PlayTypingRound(round, std::cin, std::cout, language);
        KeepRound(round, state, host, store);
        return Succeeded;
    }
    // The schedule's order, as many pairs as a review deals, scheduled with the learner's
    // settings; a store that cannot be read leaves every pair new, under the defaults.
    const ScheduledRound planned = PlanScheduledRound(state, pairs, store, LocalDay(now));
    if (!planned.read) {
        host.Report(ProgressNotKept(store));
    }
    if (options.round == RoundKind::Flashcards) {
        FlashcardRound round(planned.pairs, planned.memories, direction, random, now,
                             planned.settings);
        PlayFlashcardRound(round, std::cin, std::cout, language);
        KeepRound(round, state, host, store);
        std::cout << GradeCountsText(round.Summary()) << std::flush;
        return Succeeded;
    }
    ChoiceRound round(planned.pairs, pairs, {}, direction, random, now);
    PlayChoiceRound(round, std::cin, std::cout, language);
    KeepRound(round, state, host, store);
    return Succeeded;
}
} // namespace

int main(int argc, char** argv) {
    const std::optional<CliOptions> options =
        ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(CliUsage, stderr);
        return UsageError;
    }
    const std::string language =
        MessageLanguage([](const char* name) { return std::getenv(name); });
    if (options->help) {
        std::fputs(CliUsage, stdout);
        const std::string help = LocalizedText(CliHelp, language);
        std::fputs(help.c_str(), stdout);
        return Succeeded;
    }
    if (options->version) {
        std::printf("glossatiles-cli %s\n", GlossatilesVersion);
        return Succeeded;
    }
    if (options->due) {
        return ListDuePairs(*options, SystemClock(), language);
    }
    if (options->stats) {
        return PrintStats(SystemClock(), language);
    }
    if (options->fit) {
        return options->reviewsFrom ? FitReviewFile(*options, language)
                                    : FitProgressLog(*options, language);
    }
    if (options->showSettings || !options->settings.empty()) {
        return KeepSettings(*options, language);
    }
    if (options->resultsTo && !options->learnerName) {
        std::fprintf(stderr, "error: %s\n",
                     LocalizedText(GT_TEXT("Message", "--results needs the learner's name: "
                                                      "--name NAME"),
                                   language)
                         .c_str());
        std::fputs(CliUsage, stderr);
        return UsageError;
    }
    // Without --seed the deal is seeded from the clock, as in the game.
    const std::uint32_t seed =
        options->seed.value_or(static_cast<std::uint32_t>(std::time(nullptr)));
    ConsoleHost host(stderr, seed, language);
    if (options->classResults) {
        return ListClassResults(*options, host);
    }
    GameState state;
    FixedImportChooser importChoice(options->import);
    const OpenResult opened =
        OpenFileAtPath(state, host, options->file,
                       options->unblocked ? DealKind::Unblocked : DealKind::Plain, &importChoice);
    if (importChoice.Refusal()) {
        std::fprintf(stderr, "error: %s\n",
                     LocalizedText(*importChoice.Refusal(), language).c_str());
        std::fputs(CliUsage, stderr);
        return UsageError;
    }
    bool ok = opened == OpenResult::Dealt || opened == OpenResult::Loaded;
    if (options->progress) {
        if (!ok) {
            return Failed;
        }
        SqliteProgressStore store(DefaultProgressPath());
        const std::optional<std::string> report = ProgressReport(state, store);
        const std::string text = "database: " + store.Path() + "\n" + report.value_or("");
        std::fwrite(text.data(), 1, text.size(), stdout);
        if (!report) {
            std::fprintf(stderr, "error: %s\n", LocalizedText(store.Problem(), language).c_str());
        }
        return report ? Succeeded : Failed;
    }
    if (options->resultsTo) {
        if (!ok) {
            return Failed;
        }
        SqliteProgressStore store(DefaultProgressPath());
        return ExportResults(state, host, store, *options->resultsTo, *options->learnerName)
                   ? Succeeded
                   : Failed;
    }
    if (options->round) {
        return ok ? PractiseList(*options, state, host, seed, language) : Failed;
    }
    if (ok && options->autoFinish) {
        RunFastAutoFinishToEnd(state, host);
    }
    if (ok && options->saveTo) {
        ok = SaveGameAsPath(state, host, *options->saveTo);
    }
    if (ok && options->exportTo) {
        ok = ExportWordList(state, host, *options->exportTo);
    }
    if (ok && options->worksheetTo) {
        const Worksheet sheet =
            MakeWorksheet(state.FileDescription, state.WordList,
                          {*options->layout, BlankColumn::Mixed, seed}, state.ListPath);
        const std::optional<Message> problem = WriteWorksheetPdf(sheet, *options->worksheetTo);
        ok = !problem;
        if (problem) {
            host.Report(*problem);
        }
    }
    const std::string summary = GameSummary(state);
    std::fwrite(summary.data(), 1, summary.size(), stdout);
    return ok ? Succeeded : Failed;
}
