// The Anki package reader on any bytes. Bytes that begin like a zip are read as a package, so
// that the zip and zstd readers meet damaged archives; bytes that begin like an SQLite file are
// packed as the collection of a sound package first, since a fuzzer seldom keeps a zip's
// checksums right, so that the SQLite and note-type readers meet damaged collections; any other
// bytes are SQL run on a small sound collection, so that the reader meets hostile schemas: views
// in place of tables, triggers, generated columns, huge fields, endless queries. Bytes after
// "media json:" are the JSON media map of a sound legacy package, and after "media proto:" the
// MediaEntries list of the newest one, so that the list readers, the name sanitiser, the size
// checks and the copy into the media store meet hostile lists; the zip holds a PNG and the
// bytes after "\0--\0" (or the list's own), compressed and, in the newest, raw as well. What
// is read must survive an export and a second reading; no file may be written outside the
// store, which is emptied after each input so that a long run cannot fill the disk.
#include "files/anki_media.h"
#include "files/anki_package.h"
#include "files/list_import.h"
#include "files/media_file.h"
#include "import_checks.h"
#include "support/anki_deck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view LegacyMap = "media json:";
constexpr std::string_view NewestList = "media proto:";
const std::string Png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

// The fields name files the lists may hold, and some no list should make.
const NoteType basic{1342697561419, {"Front", "Back"}};
const AnkiDeck mediaDeck{18,
                         {basic},
                         {{basic.id, {"<img src=\"red.png\">", "rojo"}},
                          {basic.id, {"[sound:say.ogg]", "decir"}},
                          {basic.id, {"<img src=\"a%2F..%2Fb.png\">", "b"}}}};

std::optional<std::string> MediaPackageOf(std::string_view bytes) {
    const bool legacy = bytes.starts_with(LegacyMap);
    if (!legacy && !bytes.starts_with(NewestList)) {
        return std::nullopt;
    }
    bytes.remove_prefix(legacy ? LegacyMap.size() : NewestList.size());
    const std::size_t split = bytes.find(std::string_view("\0--\0", 4));
    const std::string_view list = bytes.substr(0, split);
    const std::string file(split == std::string_view::npos ? list : bytes.substr(split + 4));
    if (legacy) {
        AnkiDeck deck = mediaDeck;
        deck.schema = 11;
        return ZipArchive({{"collection.anki2", AnkiCollection(deck)},
                           {"media", std::string(list)},
                           {"0", Png},
                           {"1", file}});
    }
    return NewestPackageWithList(mediaDeck, list,
                                 {ZstdCompressed(Png), ZstdCompressed(file), file});
}

// What the builder runs may not write a file.
bool WritesFiles(std::string_view sql) {
    std::string lowered(sql);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered.find("vacuum") != std::string::npos ||
           lowered.find("attach") != std::string::npos;
}

std::optional<std::string> PackageOf(std::string_view bytes) {
    if (std::optional<std::string> package = MediaPackageOf(bytes)) {
        return package;
    }
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
        constexpr BuilderLimits limits{2'000, 1 << 20};
        return ZipArchive({{"collection.anki2", AnkiCollection(deck, limits)}});
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// The data folder lies alone in a folder of its own, so that a file written beside it shows.
const fs::path& Sandbox() {
    static const fs::path sandbox = [] {
        std::string pattern = (fs::temp_directory_path() / "anki_package_fuzz.XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        return fs::path(pattern);
    }();
    return sandbox;
}

// Every file written is a safely named file of a package's folder in the store.
void CheckStoreAndEmptyIt() {
    const fs::path data = Sandbox() / "data";
    const fs::path store = MediaStoreFolder();
    for (const auto& entry : fs::directory_iterator(Sandbox())) {
        if (entry.path() != data) {
            std::abort();
        }
    }
    std::error_code error;
    for (auto entry = fs::recursive_directory_iterator(data, error);
         entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const fs::path& path = entry->path();
        if (!entry->is_directory() &&
            (path.parent_path().parent_path() != store ||
             SafeMediaName(path.filename().string()) != path.filename().string())) {
            std::abort();
        }
    }
    fs::remove_all(data, error);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_DATA_HOME", (Sandbox() / "data").c_str(), 1);
    std::atexit([] {
        std::error_code error;
        fs::remove_all(Sandbox(), error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::string> package =
        PackageOf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (package) {
        CheckImport(ImportWordList(ImportFormat::AnkiPackage, "fuzz.apkg", *package));
        CheckStoreAndEmptyIt();
    }
    return 0;
}
