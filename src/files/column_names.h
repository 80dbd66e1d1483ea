#pragma once

#include "files/import_table.h"
#include "words/import_choice.h"

#include <string>
#include <vector>

// True when the first row names the columns: most of its cells, more than half, are names such as
// word, translation, front, back, term, meaning, reading, id, tag, example, or a language's name
// (in English or in that language), or names of up to three words with one of them ("Word
// Meaning", "Example ES") or names as programs write them ("verb_group", "createdAt"), while the
// rows below it mostly are not. A first pair "number,numéro" is a pair.
bool LooksLikeHeaderRow(const std::vector<TableRow>& rows);

// The word and translation columns that names propose: a word-like column (word, front, term,
// expression) and a translation-like one (translation, back, definition, meaning), else the first
// two columns that are not ids, readings, notes and the like; and the first column named as a
// note (example, comment, note) for the pair's note.
ColumnPair ProposedColumns(const std::vector<std::string>& names);
