#include "words/text_file.h"

#include "words/message_sink.h"

#include <cstring>
#include <vector>

namespace {
constexpr std::size_t CheckedBytes = std::size_t{1} << 16;

bool StartsAsText(std::FILE* file) {
    std::vector<char> head(CheckedBytes);
    const std::size_t read = std::fread(head.data(), 1, head.size(), file);
    std::rewind(file);
    return std::memchr(head.data(), '\0', read) == nullptr;
}
} // namespace

FileHandle OpenTextFile(const std::string& path, MessageSink& sink) {
    FileHandle file = OpenForReading(path);
    if (!file) {
        sink.Report({GT_TEXT("Message", "Error can't open the file\n%1"), {path}});
        return nullptr;
    }
    if (!StartsAsText(file.get())) {
        sink.Report(
            {GT_TEXT("Message",
                     "This is not a text file:\n%1\n\nWord lists and saved games are plain text."),
             {path}});
        return nullptr;
    }
    return file;
}
