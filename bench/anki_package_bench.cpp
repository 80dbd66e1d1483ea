#include "files/list_import.h"
#include "files/media_file.h"
#include "support/anki_deck.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

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

// A picture deck: each front a small PNG of its own, in the media list of the given generation.
// Opening it, the pictures copied into an empty store included, must take under a second.
std::string PackageOfPictures(int notes, bool newest) {
    AnkiDeck deck{newest ? 18 : 11, {{1, {"Front", "Back"}}}, {}};
    std::vector<PackageFile> files;
    std::string legacyMap = "{";
    std::vector<std::pair<std::string, std::string>> legacyEntries;
    for (int note = 0; note < notes; ++note) {
        const std::string name = "p" + std::to_string(note) + ".png";
        deck.notes.push_back({1, {"<img src=\"" + name + "\">", "word " + std::to_string(note)}});
        std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        png += std::to_string(note) + std::string(200, static_cast<char>(note));
        legacyMap += (note ? ", \"" : "\"") + std::to_string(note) + "\": \"" + name + "\"";
        legacyEntries.emplace_back(std::to_string(note), png);
        files.push_back({name, png.size(), png});
    }
    if (newest) {
        return NewestPackage(deck, files);
    }
    legacyEntries.emplace_back("collection.anki2", AnkiCollection(deck));
    legacyEntries.emplace_back("media", legacyMap + "}");
    return ZipArchive(legacyEntries);
}

void OpenPicturePackage(benchmark::State& run) {
    const auto notes = static_cast<int>(run.range(0));
    const std::string package = PackageOfPictures(notes, run.range(1) != 0);
    const TempDir data;
    setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    for (auto _ : run) {
        const ImportOutcome outcome =
            ImportWordList(ImportFormat::AnkiPackage, "deck.apkg", package);
        if (!outcome.list || outcome.list->pairs.size() != static_cast<std::size_t>(notes) ||
            CountMedia(outcome.list->pairs, "deck.apkg").pictures != notes) {
            run.SkipWithError("the package did not open with every picture");
        }
        // A package already in the store is not copied again; each opening copies afresh.
        run.PauseTiming();
        std::filesystem::remove_all(MediaStoreFolder());
        run.ResumeTiming();
    }
    unsetenv("XDG_DATA_HOME");
}
BENCHMARK(OpenPicturePackage)
    ->ArgNames({"notes", "newest"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
