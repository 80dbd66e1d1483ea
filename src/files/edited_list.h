#pragma once

#include "files/list_export.h"
#include "words/list_languages.h"
#include "words/list_reading.h"
#include "words/message.h"
#include "words/word_pair.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the editor notes at a row as the teacher types. Several may hold at once.
enum RowFinding : std::uint8_t {
    EmptySide = 1,  // one word of the pair is missing
    Duplicate = 2,  // the same pair stands higher up
    TooLong = 4,    // a word longer than a saved game's line can hold
    Colon = 8,      // a saved game writes ':' as '-'
    LineBreak = 16, // the word is saved as one line
    OverLimit = 32, // beyond the number of pairs the board can deal
};
using RowFindings = std::uint8_t;

inline constexpr std::size_t MaxWordBytes = 998;
inline constexpr std::size_t MaxListPairs = 32767;

// Findings that keep the list from being saved: it would not read back as the same pairs.
inline constexpr RowFindings BlockingFindings = EmptySide | TooLong | OverLimit;

// Per row, what it holds against saving or playing. Rows with neither word are not pairs
// and have no findings; they are not saved.
std::vector<RowFindings> CheckRows(const WordPairList& rows);

// The pairs as they are saved: each word on one line without blanks around it, empty rows
// left out.
WordPairList PairsToSave(const WordPairList& rows);

// The word as it is saved.
std::string SavedWord(const std::optional<std::string>& word);

// A block copied from a spreadsheet: one row per line, the first two tab-separated cells as
// the pair; quoted cells may hold tabs and line breaks. Blank lines are passed over.
WordPairList PastedRows(std::string_view block);

// Rows as a spreadsheet takes them: tab between the words, a line break after each row, a
// cell quoted where it holds a tab, a line break or a quote.
std::string CopiedRowsText(const WordPairList& rows);

// Why writing the list back over `path`, which it was read from as `reading` tells, would lose
// what the file holds or change its format; nullopt when a save may write there. Only a native
// list read whole, or a kvtml, TSV or CSV file of exactly the two columns read, is written over.
std::optional<Message> WhyNotSaveInPlace(const std::string& path, const ListReading& reading);

// Writes the list as `path`'s extension asks (.txt, .tsv, .csv, .kvtml), replacing the file
// only once the new one is complete; nothing when it was saved, else why not.
std::optional<Message> SaveEditedList(const std::string& path, const std::string& description,
                                      const WordPairList& rows, const ListLanguages& languages);
