#include "files/anki_package.h"

#include "files/anki_collection.h"
#include "files/anki_media.h"
#include "files/zip_reading.h"
#include "words/cancel_flag.h"

#include <array>
#include <filesystem>

namespace {

Message TooLargeCollection() {
    return {GT_TEXT("Message", "Its collection would unpack to more than %1 MB, far more than a "
                               "deck holds; it is refused."),
            {std::to_string(MaxCollectionBytes >> 20)}};
}

OpenedTable PackageTable(const ZipArchive& archive, const CancelFlag* cancel) {
    if (!archive) {
        return {nullptr, GT_TEXT("Message", "It is not a zip archive, or the archive is damaged.")};
    }
    if (static_cast<std::size_t>(std::max<zip_int64_t>(zip_get_num_entries(archive.get(), 0), 0)) >
        MaxPackageFiles) {
        return {nullptr, Message(GT_TEXT("Message", "It holds more than %1 files, more than a "
                                                    "deck holds; it is refused."),
                                 {std::to_string(MaxPackageFiles)})};
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
        std::optional<std::string> collection = ReadZipEntry(
            archive.get(), index, MaxCollectionBytes, TooLargeCollection(), problem, cancel);
        if (collection && compressed) {
            collection = Unzstd(*collection, MaxCollectionBytes, TooLargeCollection(),
                                GT_TEXT("Message", "Its compressed collection is damaged."),
                                problem, cancel);
        }
        if (!collection) {
            return {nullptr, problem};
        }
        std::optional<PackageMedia> media = CopyPackageMedia(
            archive.get(), PackageKey(*collection, archive.get()), problem, cancel);
        if (!media) {
            return {nullptr, problem};
        }
        return AnkiCollectionTable(std::move(*collection), std::move(*media), cancel);
    }
    return {nullptr, GT_TEXT("Message", "It holds no Anki collection.")};
}

} // namespace

bool LooksLikeZip(std::string_view head) {
    return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
}

OpenedTable AnkiPackageTable(std::string_view bytes, const CancelFlag* cancel) {
    if (bytes.size() > MaxPackageBytes) {
        return {nullptr, TooLargePackage()};
    }
    return PackageTable(OpenZipBytes(bytes), cancel);
}

OpenedTable AnkiPackageFileTable(const std::string& path, const CancelFlag* cancel) {
    std::error_code unknown;
    if (std::filesystem::file_size(path, unknown) > MaxPackageBytes && !unknown) {
        return {nullptr, TooLargePackage()};
    }
    return PackageTable(OpenZipFile(path), cancel);
}

Message TooLargePackage() {
    return {GT_TEXT("Message", "It is larger than %1 MB, more than a deck may be; it is refused."),
            {std::to_string(MaxPackageBytes >> 20)}};
}
