#include "files/anki_media.h"

#include "files/media_file.h"
#include "files/zip_reading.h"
#include "words/cancel_flag.h"
#include "words/whole_characters.h"

#include <nlohmann/json.hpp>
#include <unistd.h>
#include <utf8proc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The media list is a few bytes a file; more is taken for a bomb.
constexpr std::size_t MaxMediaListBytes = std::size_t{64} << 20;
// The longest name the store keeps, in bytes.
constexpr std::size_t LongestName = 200;
// Incompressible data grows a little in a zstd frame.
constexpr std::size_t FrameSlack = std::size_t{1} << 16;

// A file the media list names: its name in the fields, the zip entry that holds it, and the
// size the list declares, where it does.
struct ListedFile {
    std::string name;
    std::string entry;
    std::optional<std::uint64_t> size;
};

struct MediaList {
    std::vector<ListedFile> files;
    // The newest generation compresses each file with zstd.
    bool compressed = false;
};

bool ReadVarint(std::string_view& in, std::uint64_t& value) {
    value = 0;
    for (int shift = 0; shift < 64 && !in.empty(); shift += 7) {
        const auto byte = static_cast<unsigned char>(in.front());
        in.remove_prefix(1);
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return true;
        }
    }
    return false;
}

// One field of a protobuf message: its number, and its bytes or its number value.
struct ProtoField {
    std::uint64_t number = 0;
    std::string_view bytes;
    std::uint64_t value = 0;
};

// The next field, or nullopt at the end or at damage (`damaged` then says so).
std::optional<ProtoField> NextField(std::string_view& in, bool& damaged) {
    std::uint64_t key = 0;
    if (in.empty()) {
        return std::nullopt;
    }
    ProtoField field;
    damaged = true;
    if (!ReadVarint(in, key)) {
        return std::nullopt;
    }
    field.number = key >> 3;
    switch (key & 7) {
    case 0:
        if (!ReadVarint(in, field.value)) {
            return std::nullopt;
        }
        break;
    case 1:
    case 5: {
        const std::size_t width = (key & 7) == 1 ? 8 : 4;
        if (in.size() < width) {
            return std::nullopt;
        }
        in.remove_prefix(width);
        break;
    }
    case 2: {
        std::uint64_t length = 0;
        if (!ReadVarint(in, length) || length > in.size()) {
            return std::nullopt;
        }
        field.bytes = in.substr(0, length);
        in.remove_prefix(length);
        break;
    }
    default:
        return std::nullopt;
    }
    damaged = false;
    return field;
}

// MediaEntries { repeated MediaEntry entries = 1; } of MediaEntry { string name = 1;
// uint32 size = 2; bytes sha1 = 3; optional uint32 legacy_zip_filename = 255; }; entry i is
// the zip entry named i.
std::optional<MediaList> ProtobufMediaList(std::string_view in) {
    MediaList list{{}, true};
    bool damaged = false;
    while (const std::optional<ProtoField> entry = NextField(in, damaged)) {
        if (entry->number != 1) {
            continue;
        }
        ListedFile file{{}, std::to_string(list.files.size()), 0};
        std::string_view fields = entry->bytes;
        while (const std::optional<ProtoField> field = NextField(fields, damaged)) {
            if (field->number == 1) {
                file.name = field->bytes;
            } else if (field->number == 2) {
                file.size = field->value;
            } else if (field->number == 255) {
                file.entry = std::to_string(field->value);
            }
        }
        if (damaged || list.files.size() >= MaxPackageFiles) {
            return std::nullopt;
        }
        list.files.push_back(std::move(file));
    }
    return damaged ? std::nullopt : std::optional(std::move(list));
}

// {"0": "cat.jpg", "1": "dog.mp3"}: the zip entry, then the file's name.
std::optional<MediaList> JsonMediaList(std::string_view text) {
    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (!json.is_object() || json.size() > MaxPackageFiles) {
        return std::nullopt;
    }
    MediaList list;
    for (const auto& [entry, name] : json.items()) {
        if (name.is_string()) {
            list.files.push_back({name.get<std::string>(), entry, std::nullopt});
        }
    }
    return list;
}

Message TooLargeMediaList() {
    return {GT_TEXT("Message", "Its list of media files would unpack to more than %1 MB; it is "
                               "refused."),
            {std::to_string(MaxMediaListBytes >> 20)}};
}

// The bytes of a listed file, or nullopt when it is refused.
std::optional<std::string> ListedBytes(zip_t* archive, const ListedFile& file, bool compressed,
                                       const CancelFlag* cancel, Message& problem) {
    const zip_int64_t index = zip_name_locate(archive, file.entry.c_str(), 0);
    if (index < 0) {
        return std::nullopt;
    }
    const Message tooLarge = "";
    std::optional<std::string> bytes = ReadZipEntry(
        archive, index, MaxMediaBytes + (compressed ? FrameSlack : 0), tooLarge, problem, cancel);
    if (bytes && compressed && LooksLikeZstd(*bytes)) {
        bytes = Unzstd(*bytes, MaxMediaBytes, tooLarge, tooLarge, problem, cancel);
    }
    if (!bytes || bytes->size() > MaxMediaBytes || (file.size && *file.size != bytes->size())) {
        return std::nullopt;
    }
    return bytes;
}

Message RefusedFilesNote(const std::vector<std::string>& names) {
    constexpr std::size_t shown = 5;
    std::string listed;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i) {
        listed += (i == 0 ? "" : ", ") + names[i];
    }
    return PluralMessage(
        GT_PLURAL_TEXT("Message",
                       "%n media files of the package were refused (larger than %2 MB, of "
                       "another size than it declares, damaged, or named outside its folder): "
                       "%1"),
        "%n media file of the package was refused (larger than %2 MB, of another size than it "
        "declares, damaged, or named outside its folder): %1",
        static_cast<long long>(names.size()),
        {listed + (names.size() > shown ? ", ..." : ""), std::to_string(MaxMediaBytes >> 20)});
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace

std::string PackageMedia::Reference(std::string_view name) const {
    const std::optional<std::string> safe = SafeMediaName(name);
    if (!safe || folder.empty()) {
        return std::string(name);
    }
    const auto file = files.find(*safe);
    return file != files.end() ? file->second : folder + "/" + *safe;
}

std::optional<std::string> SafeMediaName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("/\\") != std::string_view::npos) {
        return std::nullopt;
    }
    // By its length, not up to a NUL, which the loop below makes visible.
    utf8proc_uint8_t* mapped = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(name.data()),
                     static_cast<utf8proc_ssize_t>(name.size()), &mapped,
                     static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> composed(mapped, &std::free);
    if (length <= 0) {
        return std::nullopt;
    }
    std::string safe(reinterpret_cast<const char*>(composed.get()),
                     static_cast<std::size_t>(length));
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("[]:*?\"<>|").find(c) != std::string::npos) {
            c = '_';
        }
    }
    if (safe.front() == '.') {
        safe.front() = '_';
    }
    if (safe.size() > LongestName) {
        const std::size_t dot = safe.rfind('.');
        const std::string extension =
            dot != std::string::npos && safe.size() - dot <= 8 ? safe.substr(dot) : "";
        safe = std::string(WholeHead(safe, LongestName - extension.size())) + extension;
    }
    return safe;
}

std::string PackageKey(std::string_view collection, zip_t* archive) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&hash](std::string_view bytes) {
        for (const char c : bytes) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        }
    };
    add(collection);
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) == 0) {
            add(stat.name ? stat.name : "");
            add(std::to_string(stat.crc) + ":" + std::to_string(stat.size) + ";");
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::optional<PackageMedia> CopyPackageMedia(zip_t* archive, const std::string& key,
                                             Message& problem, const CancelFlag* cancel) {
    PackageMedia media;
    const zip_int64_t listIndex = zip_name_locate(archive, "media", 0);
    if (listIndex < 0) {
        return media;
    }
    std::optional<std::string> listBytes =
        ReadZipEntry(archive, listIndex, MaxMediaListBytes, TooLargeMediaList(), problem, cancel);
    if (listBytes && LooksLikeZstd(*listBytes)) {
        listBytes = Unzstd(*listBytes, MaxMediaListBytes, TooLargeMediaList(), DamagedArchive,
                           problem, cancel);
    }
    if (!listBytes) {
        return std::nullopt;
    }
    const std::optional<MediaList> list = listBytes->starts_with('{') || listBytes->empty()
                                              ? JsonMediaList(*listBytes)
                                              : ProtobufMediaList(*listBytes);
    const std::string store = MediaStoreFolder();
    if (!list || list->files.empty() || store.empty()) {
        return media;
    }
    media.folder = store + "/" + key;
    std::error_code error;
    const bool copied = fs::is_directory(media.folder, error);
    const fs::path partial = media.folder + ".part" + std::to_string(::getpid());
    if (!copied) {
        fs::remove_all(partial, error);
        fs::create_directories(partial, error);
    }
    std::vector<std::string> refused;
    for (const ListedFile& file : list->files) {
        if (IsCancelled(cancel)) {
            fs::remove_all(partial, error);
            problem = CancelledReading();
            return std::nullopt;
        }
        const std::optional<std::string> safe = SafeMediaName(file.name);
        if (!safe || media.files.contains(*safe)) {
            if (!safe) {
                refused.push_back(file.name);
            }
            continue;
        }
        const std::string path = media.folder + "/" + *safe;
        if (copied) {
            if (fs::is_regular_file(path, error)) {
                media.files.emplace(*safe, path);
            }
            continue;
        }
        Message unused;
        const std::optional<std::string> bytes =
            ListedBytes(archive, file, list->compressed, cancel, unused);
        if (bytes && WriteFile(partial / *safe, *bytes)) {
            media.files.emplace(*safe, path);
        } else {
            refused.push_back(*safe);
        }
    }
    if (!copied) {
        fs::rename(partial, media.folder, error);
        // Another program copied them meanwhile: its copy serves as well.
        fs::remove_all(partial, error);
    }
    if (!refused.empty()) {
        media.notes.push_back(RefusedFilesNote(refused));
    }
    return media;
}
