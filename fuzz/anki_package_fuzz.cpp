// The Anki package reader on any bytes. Bytes that begin like a zip are read as a package, so
// that the zip and zstd readers meet damaged archives; any other bytes are packed as the
// collection of a sound package first, since a fuzzer seldom keeps a zip's checksums right, so
// that the SQLite and note-type readers meet damaged collections. What is read must survive an
// export and a second reading.
#include "files/anki_package.h"
#include "files/list_import.h"
#include "import_checks.h"
#include "support/anki_deck.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string package = LooksLikeZip(bytes)
                                    ? std::string(bytes)
                                    : ZipArchive({{"collection.anki2", std::string(bytes)}});
    CheckImport(ImportWordList(ImportFormat::AnkiPackage, "fuzz.apkg", package));
    return 0;
}
