#pragma once

#include <string_view>

// True for well-formed UTF-8 without NUL bytes: what a text export of these programs holds.
bool IsUtf8Text(std::string_view bytes);

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);
