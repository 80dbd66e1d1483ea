#include "learning/memory_key.h"

#include "learning/letters.h"
#include "words/lowered.h"
#include "words/side_line.h"

#include <utf8proc.h>

namespace {

bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string FoldedWords(const std::string& word) {
    if (const std::optional<Letters> folded = Mapped(word, UTF8PROC_CASEFOLD | UTF8PROC_COMPOSE)) {
        return Utf8(*folded);
    }
    return Lowered(WithBlanksCollapsed(word, IsAsciiBlank));
}

} // namespace

std::string MemoryText(std::string_view line) {
    // A note says something about the word, so changing it keeps the pair's memory. File names
    // keep their case: Cat.png and cat.png are two pictures.
    SideParts side = ParseSide(line);
    side.note.clear();
    side.text = FoldedWords(side.text);
    return SideLine(side);
}
