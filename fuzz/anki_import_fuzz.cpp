// The reader of Anki's plain-text notes on any bytes; what it reads must survive an export and a
// second reading.
#include "files/list_import.h"
#include "import_checks.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckImport(ImportWordList(ImportFormat::AnkiText, "fuzz.txt",
                               std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
