#include "words/utf8_check.h"

#include <cstddef>

namespace {

// The length of the well-formed sequence that starts at `lead`, or 0. Overlong forms,
// surrogates and code points above U+10FFFF are not well formed.
std::size_t SequenceLength(std::string_view text, std::size_t lead) {
    const auto first = static_cast<unsigned char>(text[lead]);
    if (first < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : low;
        high = first == 0xED ? 0x9F : high;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : low;
        high = first == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (text.size() - lead < length) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[lead + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsUtf8Continuation(text[lead + i])) {
            return 0;
        }
    }
    return length;
}

} // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}
