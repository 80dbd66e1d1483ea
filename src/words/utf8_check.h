#pragma once

#include <string_view>

// True when the text is well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool IsUtf8(std::string_view text);

// True for the bytes that continue a UTF-8 sequence rather than start one.
constexpr bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
}
