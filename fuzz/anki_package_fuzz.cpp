// The Anki package reader on any bytes. Bytes that begin like a zip are read as a package, so
// that the zip and zstd readers meet damaged archives; bytes that begin like an SQLite file are
// packed as the collection of a sound package first, since a fuzzer seldom keeps a zip's
// checksums right, so that the SQLite and note-type readers meet damaged collections; any other
// bytes are SQL run on a small sound collection, so that the reader meets hostile schemas: views
// in place of tables, triggers, generated columns, huge fields, endless queries. What is read
// must survive an export and a second reading.
#include "files/anki_package.h"
#include "files/list_import.h"
#include "import_checks.h"
#include "support/anki_deck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace {

// What the builder runs may not write a file.
bool WritesFiles(std::string_view sql) {
    std::string lowered(sql);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered.find("vacuum") != std::string::npos ||
           lowered.find("attach") != std::string::npos;
}

std::optional<std::string> PackageOf(std::string_view bytes) {
    if (LooksLikeZip(bytes)) {
        return std::string(bytes);
    }
    if (bytes.starts_with(std::string_view("SQLite format 3\0", 16))) {
        return ZipArchive({{"collection.anki2", std::string(bytes)}});
    }
    const NoteType basic{1342697561419, {"Front", "Back"}};
    AnkiDeck deck{11, {basic}, {{basic.id, {"cat", "chat"}}, {basic.id, {"dog", "chien"}}}};
    deck.hostileSql = std::string(bytes.substr(0, bytes.find('\0')));
    if (WritesFiles(deck.hostileSql)) {
        return std::nullopt;
    }
    try {
        // A builder that works for long, or fields of megabytes that take long to read under
        // the sanitizers, are not the reader's fault; the package tests meet the reader's limits.
        constexpr BuilderLimits limits{20'000, 1 << 20};
        return ZipArchive({{"collection.anki2", AnkiCollection(deck, limits)}});
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::string> package =
        PackageOf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (package) {
        CheckImport(ImportWordList(ImportFormat::AnkiPackage, "fuzz.apkg", *package));
    }
    return 0;
}
