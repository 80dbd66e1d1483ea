#include "files/list_import.h"
#include "support/anki_deck.h"

#include <benchmark/benchmark.h>

namespace {

// A deck as shared decks are: a few fields, some HTML, in the newer compressed format. Opening
// it must take under half a second at 100,000 notes.
std::string PackageOfNotes(int notes) {
    AnkiDeck deck{18, {{1, {"Expression", "Reading", "Meaning"}}}, {}};
    for (int note = 0; note < notes; ++note) {
        const std::string n = std::to_string(note);
        deck.notes.push_back({1, {"<b>word " + n + "</b>", "reading " + n, "meaning&nbsp;" + n}});
    }
    return AnkiPackage(deck, true);
}

void OpenAnkiPackage(benchmark::State& run) {
    const auto notes = static_cast<int>(run.range(0));
    const std::string package = PackageOfNotes(notes);
    for (auto _ : run) {
        const ImportOutcome outcome =
            ImportWordList(ImportFormat::AnkiPackage, "deck.apkg", package);
        if (!outcome.list || outcome.list->pairs.size() != static_cast<std::size_t>(notes)) {
            run.SkipWithError("the package did not open with every note");
        }
    }
    run.counters["package_MB"] = static_cast<double>(package.size()) / 1e6;
}
BENCHMARK(OpenAnkiPackage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
