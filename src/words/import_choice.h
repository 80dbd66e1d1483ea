#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

// Which two columns of a table become the word and its translation, counted from 0, and which
// one, if any, the pair's note.
struct ColumnPair {
    std::size_t word = 0;
    std::size_t translation = 1;
    std::optional<std::size_t> note = std::nullopt;
    bool operator==(const ColumnPair&) const = default;

    // One past the last column read.
    std::size_t End() const { return std::max({word, translation, note.value_or(0)}) + 1; }
};

// What the player chose for an import, in the preview or on the command line. What is not
// chosen is guessed from the file, the same way everywhere.
struct ImportChoice {
    std::optional<char> separator = std::nullopt;
    std::optional<bool> headerRow = std::nullopt;
    std::optional<ColumnPair> columns = std::nullopt;
    // Empty keeps the proposed one.
    std::string description = {};
    // A plain text file read as the game's own word list, one word a line, or as a table. Unset
    // goes by the file, except that a chosen separator, header row or columns make it a table.
    std::optional<bool> wordList = std::nullopt;
    bool operator==(const ImportChoice&) const = default;
};
