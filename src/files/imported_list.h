#pragma once

#include "words/cancel_flag.h"
#include "words/list_languages.h"
#include "words/list_reading.h"
#include "words/message.h"
#include "words/word_pair.h"

#include <optional>
#include <string>
#include <vector>

// What a reader of another program's list makes of a file.
struct ImportedList {
    // Empty when the format names none.
    std::string description;
    WordPairList pairs;
    ListLanguages languages;
    // Lines (from 1) of rows that were left out because one of their two words is empty.
    std::vector<int> leftOutLines;
    // What the player should know about the reading, one sentence each.
    std::vector<Message> notes;
    // How it was read, and what of the file it leaves out.
    ListReading reading;
};

// Either a list, or the reason the file as a whole could not be read.
struct ImportOutcome {
    std::optional<ImportedList> list;
    Message problem;
    // The player stopped the reading; there is nothing to tell.
    bool cancelled = false;
};

inline ImportOutcome ImportFailure(Message problem) {
    const bool cancelled = IsCancelledReading(problem);
    return {std::nullopt, std::move(problem), cancelled};
}

// Adds the pair, or notes its line when only one of the two sides is there. A side may be only a
// picture or a sound. A row with neither is a blank line and is passed over. Every reader's
// words come through here, so none can hold a line break or another control character. A note
// goes on the translation's line.
void AddImportedRow(ImportedList& list, int line, std::string word, std::string translation,
                    std::string_view note = {});

// Line breaks and other control characters (C0, DEL, C1, the Unicode line and paragraph
// separators) become blanks, a CR LF one blank; blanks around the word go.
std::string CleanImportedWord(std::string_view text);
