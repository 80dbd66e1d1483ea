#pragma once

#include <string_view>

// Shared by the word-pair reader and the saved-game loader.
inline constexpr std::string_view OutOfMemoryReadingNode =
    "Program error: out of memory reading file\nCan't allocate memory for "
    "ThisArrayMember\nList will be incomplete";
inline constexpr std::string_view OutOfMemoryReadingTextA =
    "Program error: out of memory reading file\nCan't allocate memory for "
    "ThisArrayMember->TextA\nList will be incomplete";
inline constexpr std::string_view OutOfMemoryReadingTextB =
    "Program error: out of memory reading file\nCan't allocate memory for "
    "ThisArrayMember->TextB\nList will be incomplete";
