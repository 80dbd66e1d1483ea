// The Anki package reader on any bytes: a zip, perhaps compressed with zstd, holding an SQLite
// collection. What it reads must survive an export and a second reading.
#include "files/list_import.h"
#include "import_checks.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckImport(ImportWordList(ImportFormat::AnkiPackage, "fuzz.apkg", bytes));
    return 0;
}
