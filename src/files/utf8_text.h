#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// True for well-formed UTF-8 without NUL bytes: what a text export of these programs holds.
bool IsUtf8Text(std::string_view bytes);

// Appends one code point, encoded in UTF-8.
void AppendUtf8(std::string& text, std::uint32_t code);

// The text itself when it is UTF-8 already; otherwise it is taken as Windows-1252, as older
// word lists were written, and re-encoded.
std::string AsUtf8(std::string_view text);

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);
