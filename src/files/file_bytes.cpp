#include "files/file_bytes.h"

#include "words/line_reader.h"

#include <algorithm>
#include <array>

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) {
    const FileHandle file = OpenForReading(path);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 65536> chunk;
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(chunk.size(), limit - bytes.size());
        const std::size_t got = std::fread(chunk.data(), 1, wanted, file.get());
        bytes.append(chunk.data(), got);
        if (got < wanted) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}
