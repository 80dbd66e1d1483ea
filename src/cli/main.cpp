#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "cli/due_listing.h"
#include "cli/game_summary.h"
#include "cli/memory_fit_report.h"
#include "cli/message_language.h"
#include "cli/progress_report.h"
#include "cli/typing_console.h"
#include "files/import_chooser.h"
#include "files/open_file.h"
#include "files/typing_pairs.h"
#include "files/word_list_export.h"
#include "game/auto_play.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "glossatiles_project.h"
#include "learning/clock.h"
#include "learning/review_file.h"
#include "learning/sqlite_progress_store.h"
#include "learning/typing_result.h"
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

// --due: the review schedule of every list, as of the clock's local day.
int ListDuePairs(const CliOptions& options, const Clock& clock, std::string_view language) {
    const Day dueBy = options.allDue  ? EveryDay
                      : options.dueOn ? ParseDay(*options.dueOn).value_or(EveryDay)
                                      : LocalDay(clock.Now());
    SqliteProgressStore store(DefaultProgressPath());
    const auto pairs = store.ScheduledPairs(dueBy, -1);
    if (!pairs) {
        std::fprintf(stderr, "error: %s\n", LocalizedText(store.Problem(), language).c_str());
        return Failed;
    }
    const std::string listing = DueListing(*pairs);
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    return Succeeded;
}
// --fit --reviews: the memory model fitted to a review file, against the default weights.
int FitReviewFile(const CliOptions& options, std::string_view language) {
    const ReviewFile file = ReadReviewFile(*options.reviewsFrom);
    if (file.problem) {
        std::fprintf(stderr, "error: %s\n", LocalizedText(*file.problem, language).c_str());
        return Failed;
    }
    const std::string report = MemoryFitReport(*FitMemory(file.reviews, DefaultWeights));
    std::fwrite(report.data(), 1, report.size(), stdout);
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
    if (options->fit) {
        return FitReviewFile(*options, language);
    }
    // Without --seed the deal is seeded from the clock, as in the game.
    const std::uint32_t seed =
        options->seed.value_or(static_cast<std::uint32_t>(std::time(nullptr)));
    ConsoleHost host(stderr, seed, language);
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
    if (options->type) {
        if (!ok) {
            return Failed;
        }
        RandomSource random;
        random.Seed(seed);
        TypingRound round(TypingPairsOf(state.WordList, state.ListPath),
                          options->direction.value_or(RoundDirection::Forward), random,
                          std::time(nullptr));
        PlayTypingRound(round, std::cin, std::cout, language);
        std::cout << RoundSummaryText(round.Summary()) << std::flush;
        if (!round.Answered().empty()) {
            SqliteProgressStore store(DefaultProgressPath());
            if (!store.Record(TypingRoundResult(round, state, host.CurrentTime()))) {
                host.Report(ProgressNotKept(store));
            }
        }
        return Succeeded;
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
