#pragma once

#include <string_view>

// True when the text is well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short.
bool IsUtf8(std::string_view text);
