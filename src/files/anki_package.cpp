#include "files/anki_package.h"

#include "files/anki_collection.h"
#include "files/untrusted_database.h"
#include "words/cancel_flag.h"

#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// Read in pieces, so that a cancel is heard while a large collection is unpacked.
constexpr std::size_t readPiece = std::size_t{1} << 20;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

struct ZstdFreer {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

Message TooLargeCollection() {
    return {GT_TEXT("Message", "Its collection would unpack to more than %1 MB, far more than a "
                               "deck holds; it is refused."),
            {std::to_string(MaxCollectionBytes >> 20)}};
}

const char* const DamagedArchive = GT_TEXT("Message", "The archive is damaged.");

ZipArchive OpenZip(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_error_fini(&error);
    if (source == nullptr) {
        return nullptr;
    }
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
    }
    return ZipArchive(archive);
}

// The bytes of one entry, no more than its stated size, which must be below the limit.
std::optional<std::string> ReadEntry(zip_t* archive, zip_int64_t index, Message& problem,
                                     const CancelFlag* cancel) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        problem = DamagedArchive;
        return std::nullopt;
    }
    if (stat.size > MaxCollectionBytes) {
        problem = TooLargeCollection();
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
        zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0), zip_fclose);
    std::string data(stat.size, '\0');
    std::size_t got = 0;
    while (file && got < data.size()) {
        if (IsCancelled(cancel)) {
            problem = CancelledReading();
            return std::nullopt;
        }
        const zip_int64_t read =
            zip_fread(file.get(), data.data() + got, std::min(readPiece, data.size() - got));
        if (read <= 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    // Reading on to the end makes libzip check the entry's checksum.
    char beyond = 0;
    if (!file || got != data.size() || zip_fread(file.get(), &beyond, 1) != 0) {
        problem = DamagedArchive;
        return std::nullopt;
    }
    return data;
}

std::optional<std::string> Unzstd(std::string_view packed, Message& problem,
                                  const CancelFlag* cancel) {
    const std::unique_ptr<ZSTD_DCtx, ZstdFreer> context(ZSTD_createDCtx());
    std::string unpacked;
    std::array<char, 1 << 16> chunk;
    ZSTD_inBuffer in{packed.data(), packed.size(), 0};
    std::size_t pending = 1;
    while (in.pos < in.size || pending != 0) {
        if (IsCancelled(cancel)) {
            problem = CancelledReading();
            return std::nullopt;
        }
        ZSTD_outBuffer out{chunk.data(), chunk.size(), 0};
        pending = ZSTD_decompressStream(context.get(), &out, &in);
        if (ZSTD_isError(pending) != 0 || (out.pos == 0 && in.pos == in.size && pending != 0)) {
            problem = GT_TEXT("Message", "Its compressed collection is damaged.");
            return std::nullopt;
        }
        if (unpacked.size() + out.pos > MaxCollectionBytes) {
            problem = TooLargeCollection();
            return std::nullopt;
        }
        unpacked.append(chunk.data(), out.pos);
    }
    return unpacked;
}

// Media files are stored under numbers.
int MediaCount(zip_t* archive) {
    int count = 0;
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        const std::string_view digits = name == nullptr ? "" : name;
        count += !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
    }
    return count;
}

} // namespace

bool LooksLikeZip(std::string_view head) {
    return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
}

OpenedTable AnkiPackageTable(std::string_view bytes, const CancelFlag* cancel) {
    const ZipArchive archive = OpenZip(bytes);
    if (!archive) {
        return {nullptr, GT_TEXT("Message", "It is not a zip archive, or the archive is damaged.")};
    }
    // Newest first: newer packages add an old-style stub for programs that cannot read them.
    constexpr std::array<std::pair<const char*, bool>, 3> collections{{
        {"collection.anki21b", true},
        {"collection.anki21", false},
        {"collection.anki2", false},
    }};
    for (const auto& [name, compressed] : collections) {
        const zip_int64_t index = zip_name_locate(archive.get(), name, 0);
        if (index < 0) {
            continue;
        }
        Message problem;
        std::optional<std::string> collection = ReadEntry(archive.get(), index, problem, cancel);
        if (collection && compressed) {
            collection = Unzstd(*collection, problem, cancel);
        }
        if (!collection) {
            return {nullptr, problem};
        }
        return AnkiCollectionTable(std::move(*collection), MediaCount(archive.get()), cancel);
    }
    return {nullptr, GT_TEXT("Message", "It holds no Anki collection.")};
}
