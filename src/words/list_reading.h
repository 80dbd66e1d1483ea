#pragma once

#include "words/import_choice.h"

#include <cstddef>

// The reader that took a list from its file.
enum class ListFormat { Native, Table, Kvtml, Anki };

// How a list was read from its file: the choice that reads it again the same way, and what of
// the file the list leaves out, so that a save knows whether writing the list there loses
// anything.
struct ListReading {
    ListFormat format = ListFormat::Native;
    ImportChoice choice;
    // Every line of a native list is in it: no blank line ended it early, no long line was
    // split into several words, memory did not run out.
    bool whole = true;
    // How many columns the file has (a kvtml file, languages), and the two that were read.
    std::size_t fileColumns = 2;
    ColumnPair columns;
    // The first row named the columns and is not in the list.
    bool headerRowLeftOut = false;
    // Rows with one word missing are not in the list.
    bool rowsLeftOut = false;
    // The file sorts its entries into lessons, which a list does not keep.
    bool lessons = false;
};
