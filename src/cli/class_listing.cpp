#include "cli/class_listing.h"

#include "files/class_files.h"
#include "files/open_file.h"
#include "game/game_state.h"
#include "learning/class_tables.h"

#include <cstdio>
#include <ctime>

namespace {
constexpr int Succeeded = 0;
constexpr int Failed = 1;
// word, translation, learners, missed, mean recall
constexpr std::size_t ListedCells = 5;
} // namespace

int ListClassResults(const CliOptions& options, ConsoleHost& host) {
    std::optional<ClassList> list;
    if (options.classList) {
        GameState state;
        const OpenResult opened =
            OpenFileAtPath(state, host, *options.classList, DealKind::Plain, nullptr);
        if (opened != OpenResult::Dealt && opened != OpenResult::Loaded) {
            return Failed;
        }
        list = ClassListOf(state);
    }
    ClassFiles files = ReadClassFiles(options.classFiles);
    for (const Message& refused : files.refused) {
        host.Report(refused);
    }
    if (files.read.empty()) {
        return Failed;
    }
    const ClassResults results =
        GatherClass(std::move(files.read), LocalDay(host.CurrentTime()), list);
    for (const Message& note : results.notes) {
        host.ReportNote(NoteTopic::ImportNotes, note);
    }
    std::string listing;
    for (const std::vector<std::string>& row : ClassPairRows(results)) {
        for (std::size_t i = 0; i < ListedCells; ++i) {
            listing += row[i] + (i + 1 < ListedCells ? '\t' : '\n');
        }
    }
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    return Succeeded;
}
