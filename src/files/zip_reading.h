#pragma once

#include "words/message.h"

#include <zip.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CancelFlag;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

// A zip read from bytes that outlive it, or from a file, read piece by piece as asked; null
// when it is no zip or a damaged one.
ZipArchive OpenZipBytes(std::string_view bytes);
ZipArchive OpenZipFile(const std::string& path);

inline constexpr const char* DamagedArchive = GT_TEXT("Message", "The archive is damaged.");

// The bytes of one entry, when its stated size is at most `most` (else `tooLarge`) and it
// unpacks to exactly that size with a right checksum (else DamagedArchive).
std::optional<std::string> ReadZipEntry(zip_t* archive, zip_int64_t index, std::size_t most,
                                        const Message& tooLarge, Message& problem,
                                        const CancelFlag* cancel);

// True when the bytes begin with a zstd frame's magic number.
bool LooksLikeZstd(std::string_view bytes);

// A zstd stream unpacked, when it unpacks to at most `most` bytes (else `tooLarge`), or
// `damaged`.
std::optional<std::string> Unzstd(std::string_view packed, std::size_t most,
                                  const Message& tooLarge, const Message& damaged, Message& problem,
                                  const CancelFlag* cancel);
