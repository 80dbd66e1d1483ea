#pragma once

#include "words/message.h"

// Shared by the word-pair reader and the saved-game loader.
inline constexpr const char* OutOfMemoryReadingNode =
    GT_TEXT("Message", "Program error: out of memory reading file\nCan't allocate memory for "
                       "ThisArrayMember\nList will be incomplete");
inline constexpr const char* OutOfMemoryReadingTextA =
    GT_TEXT("Message", "Program error: out of memory reading file\nCan't allocate memory for "
                       "ThisArrayMember->TextA\nList will be incomplete");
inline constexpr const char* OutOfMemoryReadingTextB =
    GT_TEXT("Message", "Program error: out of memory reading file\nCan't allocate memory for "
                       "ThisArrayMember->TextB\nList will be incomplete");
