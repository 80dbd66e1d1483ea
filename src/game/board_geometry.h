#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct GameState;

inline constexpr int BoardColumns = 5;
inline constexpr int BoardRows = 7;
inline constexpr int BoardPositions = BoardColumns * BoardRows;

// Levels are numbered from 1 at the top. Level 1 covers row 4, level 2 rows 3 to 5, level 3
// rows 2 to 6 and every further level all seven rows, so the stacks form a pyramid.
std::int32_t LevelCountFor(std::int32_t wordsCount);
std::int32_t CellCountFor(std::int32_t levelCount);
int FirstRowOf(std::int32_t level);
int LastRowOf(std::int32_t level);
std::int32_t FirstCellOf(std::int32_t level);
bool LevelCoversRow(std::int32_t level, int row);
// The highest level that has the row: 1 for row 4, 2 for rows 3 and 5, and so on.
std::int32_t FirstLevelCovering(int row);

// Cells are numbered level by level from the top, row by row, five to a row. -1 when the
// level does not cover the row.
std::int32_t CellIndex(std::int32_t level, int column, int row);

struct CellPlace {
    std::int32_t level;
    int column;
    int row;
};
CellPlace PlaceOfCell(std::int32_t cell);

// 0-based index of a board position, column-major as the hint search walks them.
inline int PositionIndex(int column, int row) {
    return (column - 1) * BoardRows + (row - 1);
}

// The top tile of a position: the first filled cell probing from level 1 down. A board
// without arrays has no tiles. Callers pass columns 1 to 5 and rows 1 to 7.
std::int32_t TopLevelAt(const GameState& state, int column, int row);
std::int32_t TopCellAt(const GameState& state, int column, int row);

// The pair on a cell, or NoPair for an empty cell or one outside the board.
std::int32_t PairAt(const GameState& state, std::int32_t cell);

// The line of the side a cell's tile shows and of the one it hides, or nullptr when the cell
// holds no tile or its pair lacks that side. The line is the side's identity, references and
// all; its words are ShownText's.
const std::string* WordShownAt(const GameState& state, std::int32_t cell);
const std::string* WordHiddenAt(const GameState& state, std::int32_t cell);

// The words of those sides as tiles, notes and speech give them; nullopt as above.
std::optional<std::string> TextShownAt(const GameState& state, std::int32_t cell);
std::optional<std::string> TextHiddenAt(const GameState& state, std::int32_t cell);

// Fills a cell. Every deal and load goes through here so the top-tile search stays right.
void PlaceTile(GameState& state, std::int32_t cell, std::int32_t pair, std::int32_t side);
