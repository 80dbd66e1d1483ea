#pragma once

#include <string_view>

// Byte cuts that keep characters whole. Texts are bytes as the files hold them: a valid UTF-8
// text is cut only between characters; any other text is Windows-1252, one byte a character,
// so it is cut exactly where asked.

// At most `most` bytes from the start.
std::string_view WholeHead(std::string_view text, std::size_t most);
// At most `most` bytes from the end.
std::string_view WholeTail(std::string_view text, std::size_t most);
