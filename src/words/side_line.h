#pragma once

#include "words/list_side.h"
#include "words/word_pair.h"

#include <optional>
#include <string>
#include <string_view>

// One side of a pair as a list's line holds it: its words, and references that may stand
// anywhere in the line, "[image=cat.png] Katze", "der Hund [sound=hund.ogg]",
// "gato [note=m., pl. gatos]". The line is the side's identity (tiles match by it, progress
// keeps it); what is shown, spoken, typed and exported is its parts.
struct SideParts {
    // The line without its references, its blanks trimmed and those left at a cut joined.
    std::string text;
    // A file relative to the list's folder (or a path into the media store), as written.
    std::string image;
    std::string sound;
    std::string note;

    bool operator==(const SideParts&) const = default;
};

// The parts of a line. Only the first reference of a kind counts; a "[" without its "]" is
// text.
SideParts ParseSide(std::string_view line);

// The line that ParseSide reads back as these parts: the text, then the references.
std::string SideLine(const SideParts& parts);

// What stands for the side where words are shown: its text, or its picture's (else its
// sound's) file name without folder and extension when it has none.
std::string ShownText(const SideParts& parts);
std::string ShownText(std::string_view line);

// The words of one side of a pair, without its references; nullopt when the pair lacks it.
std::optional<std::string> SideWords(const WordPair& pair, ListSide side);

// The note of a pair: each side's, joined by "; " when both have one.
std::string PairNote(std::string_view lineA, std::string_view lineB);

// A file name or a note as a reference can hold it: no brackets, no line breaks.
std::string ReferenceValue(std::string_view value);

// The line without its note: who the side is, whatever is said about it.
std::string WithoutNote(std::string_view line);

// The line with `note` in place of its own (none when empty), written as the line stands where
// it reads back so.
std::string WithNote(std::string_view line, std::string_view note);

// Who the side is, however its line orders its parts: its text, then its picture and its sound,
// without its note. Two sides of different pictures and no text are two sides; the same words
// and picture written in another order are one.
std::string SideIdentity(std::string_view line);
