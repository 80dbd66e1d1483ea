#include "words/whole_characters.h"

#include "words/utf8_check.h"

#include <algorithm>

std::string_view WholeHead(std::string_view text, std::size_t most) {
    if (text.size() <= most) {
        return text;
    }
    std::size_t end = most;
    if (IsUtf8(text)) {
        while (end > 0 && IsUtf8Continuation(text[end])) {
            --end;
        }
    }
    return text.substr(0, end);
}

std::string_view WholeTail(std::string_view text, std::size_t most) {
    std::size_t start = text.size() - std::min(most, text.size());
    if (start > 0 && IsUtf8(text)) {
        while (start < text.size() && IsUtf8Continuation(text[start])) {
            ++start;
        }
    }
    return text.substr(start);
}
