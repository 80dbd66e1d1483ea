#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A text as Unicode code points.
using Letters = std::vector<std::int32_t>;

// `text` (letters or bytes) without the blanks at its ends and with each inner run of them one
// space.
template <typename Text, typename IsBlank>
Text WithBlanksCollapsed(const Text& text, IsBlank blank) {
    Text result;
    bool blankPending = false;
    for (const auto letter : text) {
        if (blank(letter)) {
            blankPending = !result.empty();
            continue;
        }
        if (blankPending) {
            result.push_back(' ');
            blankPending = false;
        }
        result.push_back(letter);
    }
    return result;
}

// The code points of UTF-8 `text` mapped by utf8proc `options` (UTF8PROC_CASEFOLD, ...),
// canonically decomposed or, with UTF8PROC_COMPOSE among them, composed; without blanks at the
// ends and each inner run of blanks one space. Nullopt for text that is not UTF-8.
std::optional<Letters> Mapped(std::string_view text, int options);

std::string Utf8(const Letters& letters);
