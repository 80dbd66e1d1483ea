#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Small Anki packages made from scratch, for tests, fuzz seeds and benchmarks.

struct NoteType {
    long long id;
    std::vector<std::string> fields;
};

struct AnkiDeck {
    // 11 keeps the note types as JSON in col.models; 15 and later in their own tables.
    int schema = 11;
    std::vector<NoteType> types;
    // Each note: its type's id and its fields.
    std::vector<std::pair<long long, std::vector<std::string>>> notes;
    // The deck that holds a card of each note, "::" between a parent and its child; empty puts
    // them in Anki's Default deck.
    std::string deckName = {};
    // SQL run on the finished collection, to make a hostile one: a view in place of a table, a
    // trigger, a huge field.
    std::string hostileSql = {};
};

// How far the hostile SQL may go before it fails (std::runtime_error), so that a fuzzer's SQL
// cannot hang the builder: thousands of instructions, and the longest text it may make.
struct BuilderLimits {
    int steps = 1'000'000;
    int longestText = 1'000'000'000;
};

// The collection as an SQLite file's bytes. The hostile SQL may not attach files.
std::string AnkiCollection(const AnkiDeck& deck, BuilderLimits limits = {});

// A zip archive of the entries (name, bytes), deflated.
std::string ZipArchive(const std::vector<std::pair<std::string, std::string>>& entries);

std::string ZstdCompressed(std::string_view bytes);

// A package as Anki writes it: the collection as collection.anki2, or, for the newer format,
// compressed as collection.anki21b beside a stub collection.anki2 that holds one note.
std::string AnkiPackage(const AnkiDeck& deck, bool newerFormat = false);

// A picture or sound of a package: its name, the size its media list declares, its bytes.
struct PackageFile {
    std::string name;
    std::size_t declaredSize;
    std::string bytes;
};

// The newest generation's media list, a MediaEntries protobuf, before its compression.
std::string MediaEntriesList(const std::vector<PackageFile>& files);

// A package of the newest generation: the collection as collection.anki21b, `mediaList`
// zstd-compressed as its media list, and `entries` as they are given in the entries "0", "1"…
std::string NewestPackageWithList(const AnkiDeck& deck, std::string_view mediaList,
                                  const std::vector<std::string>& entries);

// The same with the files listed and each zstd-compressed in its entry, as Anki writes them.
std::string NewestPackage(const AnkiDeck& deck, const std::vector<PackageFile>& files);
