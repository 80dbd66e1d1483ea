#include "words/side_line.h"

#include <array>
#include <utility>

namespace {

struct Reference {
    std::string_view opening;
    std::string SideParts::*part;
};

constexpr std::array<Reference, 3> References{{
    {"[image=", &SideParts::image},
    {"[sound=", &SideParts::sound},
    {"[note=", &SideParts::note},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Appends a piece of text; one blank stands where a reference was cut out between two words.
void AddText(std::string& text, std::string_view piece, bool afterCut) {
    if (afterCut && !text.empty() && !IsBlank(text.back()) && !piece.empty() &&
        !IsBlank(piece.front())) {
        text += ' ';
    }
    if (afterCut && !text.empty() && IsBlank(text.back())) {
        while (!piece.empty() && IsBlank(piece.front())) {
            piece.remove_prefix(1);
        }
    }
    text += piece;
}

// The reference that begins at `at`, or nullptr.
const Reference* ReferenceAt(std::string_view line, std::size_t at) {
    for (const Reference& reference : References) {
        if (line.substr(at, reference.opening.size()) == reference.opening) {
            return &reference;
        }
    }
    return nullptr;
}

std::string_view FileStem(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

// An opening that a reader takes as a reference: the list's own, or an Anki sound tag, which
// the imports read.
bool OpensReference(std::string_view text, std::size_t at) {
    return ReferenceAt(text, at) || text.substr(at).starts_with("[sound:");
}

// The text as a line can hold it: an opening of a reference in the words would take the words up
// to a later "]" as a picture, a sound or a note, one there or one a reference appended later, so
// its bracket is written as "(".
// An Anki picture tag in a table's cell makes the whole cell read as an Anki field, whose
// brackets are words: one in the words would turn the side's references into words when the
// list is exported to CSV and read again.
void WithoutPictureTags(std::string& text) {
    for (std::size_t at = text.find("<img"); at != std::string::npos; at = text.find("<img", at)) {
        text[at] = '(';
    }
}

std::string WrittenText(std::string_view text) {
    std::string written(text);
    for (std::size_t at = written.find('['); at != std::string::npos;
         at = written.find('[', at + 1)) {
        if (OpensReference(written, at)) {
            written[at] = '(';
        }
    }
    WithoutPictureTags(written);
    return written;
}

} // namespace

SideParts ParseSide(std::string_view line) {
    SideParts parts;
    std::string text;
    bool afterCut = false;
    std::size_t from = 0;
    for (std::size_t at = line.find('['); at != std::string_view::npos;
         at = line.find('[', at + 1)) {
        const Reference* reference = ReferenceAt(line, at);
        const std::size_t close = reference ? line.find(']', at) : std::string_view::npos;
        if (close == std::string_view::npos) {
            continue;
        }
        AddText(text, line.substr(from, at - from), afterCut);
        std::string& part = parts.*(reference->part);
        if (part.empty()) {
            const std::size_t begin = at + reference->opening.size();
            part = Trimmed(line.substr(begin, close - begin));
        }
        afterCut = true;
        from = close + 1;
        at = close;
    }
    AddText(text, line.substr(from), afterCut);
    parts.text = Trimmed(text);
    return parts;
}

std::string SideLine(const SideParts& parts) {
    std::string line = WrittenText(parts.text);
    for (const Reference& reference : References) {
        const std::string& value = parts.*(reference.part);
        if (!value.empty()) {
            line += (line.empty() ? "" : " ") + std::string(reference.opening) +
                    ReferenceValue(value) + "]";
        }
    }
    return line;
}

std::string ShownText(const SideParts& parts) {
    if (!parts.text.empty()) {
        return parts.text;
    }
    return std::string(FileStem(parts.image.empty() ? parts.sound : parts.image));
}

std::string ShownText(std::string_view line) {
    return ShownText(ParseSide(line));
}

std::optional<std::string> SideWords(const WordPair& pair, ListSide side) {
    const std::optional<std::string>& line = side == ListSide::TextA ? pair.TextA : pair.TextB;
    return line ? std::optional(ParseSide(*line).text) : std::nullopt;
}

std::string PairNote(std::string_view lineA, std::string_view lineB) {
    const std::string a = ParseSide(lineA).note;
    const std::string b = ParseSide(lineB).note;
    return a.empty() || b.empty() ? a + b : a + "; " + b;
}

std::string ReferenceValue(std::string_view value) {
    std::string cleaned;
    for (const char c : value) {
        cleaned += c == '[' ? '(' : c == ']' ? ')' : (c == '\n' || c == '\r') ? ' ' : c;
    }
    WithoutPictureTags(cleaned);
    return std::string(Trimmed(cleaned));
}

std::string WithoutNote(std::string_view line) {
    std::string rest;
    bool afterCut = false;
    std::size_t from = 0;
    for (std::size_t at = line.find("[note="); at != std::string_view::npos;
         at = line.find("[note=", at + 1)) {
        const std::size_t close = line.find(']', at);
        if (close == std::string_view::npos) {
            break;
        }
        AddText(rest, line.substr(from, at - from), afterCut);
        afterCut = true;
        from = close + 1;
        at = close;
    }
    if (from == 0) {
        return std::string(line);
    }
    AddText(rest, line.substr(from), afterCut);
    return std::string(Trimmed(rest));
}

std::string WithNote(std::string_view line, std::string_view note) {
    std::string rest = WithoutNote(line);
    std::string value = ReferenceValue(note);
    if (value.empty()) {
        return rest;
    }
    SideParts parts = ParseSide(rest);
    parts.note = value;
    // Words that open a reference would close on the note: then the side is written anew.
    std::string noted = rest + (rest.empty() ? "[note=" : " [note=") + value + "]";
    return ParseSide(noted) == parts ? noted : SideLine(parts);
}

std::string SideIdentity(std::string_view line) {
    SideParts parts = ParseSide(line);
    parts.note.clear();
    return SideLine(parts);
}
