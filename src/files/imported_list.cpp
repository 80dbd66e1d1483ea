#include "files/imported_list.h"

#include "files/utf8_text.h"
#include "words/side_line.h"

#include <algorithm>

namespace {

// The length of a control character's bytes at `at`, or 0.
std::size_t ControlLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned char c = byte(at);
    if (c < 0x20 || c == 0x7F) {
        return c == '\r' && byte(at + 1) == '\n' ? 2 : 1;
    }
    if (c == 0xC2 && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9F) {
        return 2;
    }
    if (c == 0xE2 && byte(at + 1) == 0x80 && (byte(at + 2) == 0xA8 || byte(at + 2) == 0xA9)) {
        return 3;
    }
    return 0;
}

} // namespace

void AddImportedRow(ImportedList& list, int line, std::string word, std::string translation,
                    std::string_view note) {
    word = CleanImportedWord(word);
    translation = CleanImportedWord(translation);
    if (word.empty() && translation.empty()) {
        return;
    }
    // A cell is read as a side's line and written as the list writes one, so that an export of
    // the list reads back the same.
    word = SideLine(ParseSide(word));
    SideParts translationParts = ParseSide(translation);
    if (!translation.empty() && translationParts.note.empty()) {
        translationParts.note = ReferenceValue(CleanImportedWord(note));
    }
    translation = SideLine(translationParts);
    // A note alone is not a side.
    if (SideIdentity(word).empty() || SideIdentity(translation).empty()) {
        list.leftOutLines.push_back(line);
        return;
    }
    list.pairs.push_back({std::move(word), std::move(translation)});
}

std::string CleanImportedWord(std::string_view raw) {
    // Decoded first, as an export would, so that a stray byte cannot turn into a control
    // character after the cleaning.
    const std::string text = AsUtf8(raw);
    std::string word;
    word.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t control = ControlLength(text, i);
        word += control > 0 ? ' ' : text[i];
        i += std::max<std::size_t>(control, 1);
    }
    const std::size_t begin = word.find_first_not_of(' ');
    if (begin == std::string::npos) {
        return {};
    }
    return word.substr(begin, word.find_last_not_of(' ') - begin + 1);
}
