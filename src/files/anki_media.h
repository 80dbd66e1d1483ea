#pragma once

#include "words/message.h"

#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CancelFlag;

// A package over this size, or of more entries, is refused before anything is unpacked.
inline constexpr std::uintmax_t MaxPackageBytes = std::uintmax_t{1} << 30;
inline constexpr std::size_t MaxPackageFiles = 100'000;

// The pictures and sounds of a package, copied into the media store.
struct PackageMedia {
    // The folder of the store that holds them; "" when there is no store.
    std::string folder;
    // The safe names of the files that are there.
    std::map<std::string, std::string, std::less<>> files;
    // What was refused, for the notes of the reading.
    std::vector<Message> notes;

    // What a field's reference to `name` becomes: the file in the store, or, for a file the
    // package does not hold, where it would be, so that it counts as missing.
    std::string Reference(std::string_view name) const;
};

// A name as the store keeps it: NFC, no control characters, no characters that a reference or
// another system cannot hold; nullopt for a name that would leave its folder ("..", "a/b").
std::optional<std::string> SafeMediaName(std::string_view name);

// Who a package is, for its folder in the store: its collection, its media list and the
// checksums of its entries, so that opening it again copies nothing.
std::string PackageKey(std::string_view collection, zip_t* archive);

// Reads the package's media list (JSON in the older generations, zstd-compressed protobuf in
// the newest) and copies each file it names into the store folder of `key`, once. A file
// larger than MaxMediaBytes, of another size than the list declares, damaged, or named outside
// its folder is left out and noted. nullopt, with the problem, when the list itself is a bomb.
std::optional<PackageMedia> CopyPackageMedia(zip_t* archive, const std::string& key,
                                             Message& problem, const CancelFlag* cancel);
