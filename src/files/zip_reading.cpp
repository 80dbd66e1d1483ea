#include "files/zip_reading.h"

#include "words/cancel_flag.h"

#include <zstd.h>

#include <algorithm>
#include <array>

namespace {

// Read in pieces, so that a cancel is heard while a large entry is unpacked.
constexpr std::size_t readPiece = std::size_t{1} << 20;

struct ZstdFreer {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

ZipArchive OpenSource(zip_source_t* source) {
    if (source == nullptr) {
        return nullptr;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
    }
    return ZipArchive(archive);
}

} // namespace

ZipArchive OpenZipBytes(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_error_fini(&error);
    return OpenSource(source);
}

ZipArchive OpenZipFile(const std::string& path) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_file_create(path.c_str(), 0, -1, &error);
    zip_error_fini(&error);
    return OpenSource(source);
}

std::optional<std::string> ReadZipEntry(zip_t* archive, zip_int64_t index, std::size_t most,
                                        const Message& tooLarge, Message& problem,
                                        const CancelFlag* cancel) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        problem = DamagedArchive;
        return std::nullopt;
    }
    if (stat.size > most) {
        problem = tooLarge;
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

bool LooksLikeZstd(std::string_view bytes) {
    return bytes.starts_with("\x28\xB5\x2F\xFD");
}

std::optional<std::string> Unzstd(std::string_view packed, std::size_t most,
                                  const Message& tooLarge, const Message& damaged, Message& problem,
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
            problem = damaged;
            return std::nullopt;
        }
        if (unpacked.size() + out.pos > most) {
            problem = tooLarge;
            return std::nullopt;
        }
        unpacked.append(chunk.data(), out.pos);
    }
    return unpacked;
}
