#pragma once

#include <string_view>

// The fixed lines of a saved game. The first line's prefix (without its trailing blank) is how
// any file is recognised as a saved game.
inline constexpr std::string_view SavedGameMark = "Glossatiles saved game file:";
inline constexpr std::string_view SavedGameHeader = "Glossatiles saved game file: ";
inline constexpr std::string_view GameSourceLine = "Game source file";
inline constexpr std::string_view ArrayTopStart =
    "Start of ArrayTop section *************************";
inline constexpr std::string_view ArrayTopEnd = "End of ArrayTop section *************************";
inline constexpr std::string_view ArrayIndexStart =
    "Start of ArrayIndex section *************************";
inline constexpr std::string_view ArrayIndexEnd =
    "End of ArrayIndex section *************************";
