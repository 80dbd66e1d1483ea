#include "files/media_file.h"

#include "words/data_folder.h"
#include "words/side_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The first bytes MediaKindOf needs.
constexpr std::size_t HeadBytes = 12;

bool Inside(const fs::path& file, const fs::path& folder) {
    if (folder.empty()) {
        return false;
    }
    auto f = file.begin();
    for (auto part = folder.begin(); part != folder.end(); ++part, ++f) {
        if (f == file.end() || *f != *part) {
            return false;
        }
    }
    return f != file.end();
}

std::optional<fs::path> Resolved(const fs::path& path) {
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    return error ? std::nullopt : std::optional(std::move(resolved));
}

fs::path ListFolder(std::string_view listPath) {
    return fs::path(listPath).parent_path();
}

// The head of the file when it is a regular file no larger than the cap; opened first and
// checked after, so that a file swapped for a FIFO meanwhile cannot block the reading.
std::optional<std::string> RegularFileHead(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<std::string> head;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uintmax_t>(status.st_size) <= MaxMediaBytes) {
        std::array<char, HeadBytes> bytes{};
        const ssize_t got = ::read(descriptor, bytes.data(), bytes.size());
        head = std::string(bytes.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    ::close(descriptor);
    return head;
}

} // namespace

std::string MediaStoreFolder() {
    const std::string data = DataFolder();
    return data.empty() ? data : data + "/media";
}

std::optional<MediaKind> MediaKindOf(std::string_view head) {
    const auto starts = [head](std::string_view mark, std::size_t at = 0) {
        return head.size() >= at + mark.size() && head.substr(at, mark.size()) == mark;
    };
    if (starts("\x89PNG\r\n\x1a\n") || starts("\xFF\xD8\xFF") || starts("GIF87a") ||
        starts("GIF89a") || (starts("RIFF") && starts("WEBP", 8))) {
        return MediaKind::Picture;
    }
    const bool mpegFrame = head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
                           (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
    if (starts("OggS") || starts("ID3") || mpegFrame || (starts("RIFF") && starts("WAVE", 8)) ||
        starts("fLaC")) {
        return MediaKind::Sound;
    }
    return std::nullopt;
}

std::optional<std::string> AllowedMediaPath(std::string_view reference, std::string_view listPath) {
    if (reference.empty()) {
        return std::nullopt;
    }
    const fs::path named(reference);
    const fs::path folder = ListFolder(listPath);
    if (named.is_relative() && listPath.empty()) {
        return std::nullopt;
    }
    const std::optional<fs::path> file =
        Resolved(named.is_absolute() ? named : (folder.empty() ? fs::path(".") : folder) / named);
    if (!file) {
        return std::nullopt;
    }
    for (const fs::path& allowed : {folder.empty() && !listPath.empty() ? fs::path(".") : folder,
                                    fs::path(MediaStoreFolder())}) {
        if (allowed.empty()) {
            continue;
        }
        if (const std::optional<fs::path> root = Resolved(allowed); root && Inside(*file, *root)) {
            return file->string();
        }
    }
    return std::nullopt;
}

bool IsMediaFileOfKind(const std::string& path, MediaKind kind) {
    const std::optional<std::string> head = RegularFileHead(path);
    return head && MediaKindOf(*head) == kind;
}

std::optional<std::string> UsableMediaPath(std::string_view reference, MediaKind kind,
                                           std::string_view listPath) {
    std::optional<std::string> path = AllowedMediaPath(reference, listPath);
    return path && IsMediaFileOfKind(*path, kind) ? path : std::nullopt;
}

MediaCounts CountMedia(const WordPairList& pairs, std::string_view listPath) {
    MediaCounts counts;
    const auto count = [&](const std::string& reference, MediaKind kind, int& usable) {
        if (reference.empty()) {
            return;
        }
        ++(UsableMediaPath(reference, kind, listPath) ? usable : counts.missing);
    };
    for (const WordPair& pair : pairs) {
        for (const std::optional<std::string>& line : {pair.TextA, pair.TextB}) {
            if (line) {
                const SideParts parts = ParseSide(*line);
                count(parts.image, MediaKind::Picture, counts.pictures);
                count(parts.sound, MediaKind::Sound, counts.sounds);
            }
        }
        counts.notes += !PairNote(pair.TextA.value_or(""), pair.TextB.value_or("")).empty();
    }
    return counts;
}

Message MissingMediaNote(int missing, std::string_view listPath) {
    const std::string folder = ListFolder(listPath).string();
    return PluralMessage(
        GT_PLURAL_TEXT("Message", "%n media files could not be used; they were looked for in %1."),
        "%n media file could not be used; it was looked for in %1.", missing,
        {folder.empty() ? std::string(".") : folder});
}
