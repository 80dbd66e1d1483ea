#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "cli/game_summary.h"
#include "cli/message_language.h"
#include "cli/progress_report.h"
#include "files/open_file.h"
#include "files/word_list_export.h"
#include "game/auto_play.h"
#include "game/game_state.h"
#include "glossatiles_project.h"
#include "learning/sqlite_progress_store.h"
#include "print/worksheet_pdf.h"
#include "savegame/save_game.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {
constexpr int Succeeded = 0;
constexpr int Failed = 1;
constexpr int UsageError = 2;
} // namespace

int main(int argc, char** argv) {
    const std::optional<CliOptions> options =
        ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(CliUsage, stderr);
        return UsageError;
    }
    if (options->help) {
        std::fputs(CliUsage, stdout);
        std::fputs(CliHelp, stdout);
        return Succeeded;
    }
    if (options->version) {
        std::printf("glossatiles-cli %s\n", GlossatilesVersion);
        return Succeeded;
    }
    // Without --seed the deal is seeded from the clock, as in the game.
    const std::uint32_t seed =
        options->seed.value_or(static_cast<std::uint32_t>(std::time(nullptr)));
    ConsoleHost host(stderr, seed,
                     MessageLanguage([](const char* name) { return std::getenv(name); }));
    GameState state;
    const OpenResult opened = OpenFileAtPath(
        state, host, options->file, options->unblocked ? DealKind::Unblocked : DealKind::Plain);
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
            std::fprintf(stderr, "error: %s\n", store.Problem().c_str());
        }
        return report ? Succeeded : Failed;
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
        const Worksheet sheet = MakeWorksheet(state.FileDescription, state.WordList,
                                              {*options->layout, BlankColumn::Mixed, seed});
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
