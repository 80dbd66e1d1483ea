#include "learning/memory_key.h"

#include "learning/letters.h"
#include "words/lowered.h"
#include "words/side_line.h"

#include <utf8proc.h>

namespace {

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string MemoryText(std::string_view line) {
    // A note says something about the word; changing it keeps the pair's memory.
    const std::string word = WithoutNote(line);
    if (const std::optional<Letters> folded = Mapped(word, UTF8PROC_CASEFOLD | UTF8PROC_COMPOSE)) {
        return Utf8(*folded);
    }
    return Lowered(WithBlanksCollapsed(std::string(word), IsAsciiBlank));
}
