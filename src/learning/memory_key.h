#pragma once

#include <string>
#include <string_view>

// A word as a pair's memory knows it: case folded, without blanks at the ends, each inner run
// of blanks one space, and composed, so that "Perro" and " perro" are one word. Accents and
// parts in parentheses still tell words apart. Text that is not UTF-8 is folded by its ASCII
// letters and blanks. A side's note is left out; its pictures and sounds are part of it.
std::string MemoryText(std::string_view line);

// Who a pair is to the review schedule, whichever list it was seen in.
struct MemoryKey {
    std::string textA;
    std::string textB;

    bool operator==(const MemoryKey&) const = default;
    auto operator<=>(const MemoryKey&) const = default;
};

inline MemoryKey MemoryKeyOf(std::string_view textA, std::string_view textB) {
    return {MemoryText(textA), MemoryText(textB)};
}
