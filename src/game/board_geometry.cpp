#include "game/board_geometry.h"

#include "game/game_state.h"
#include "words/side_line.h"

#include <algorithm>

namespace {
constexpr std::int32_t FullLevelCells = BoardColumns * BoardRows;
}

std::int32_t LevelCountFor(std::int32_t wordsCount) {
    if (wordsCount <= 2) {
        return 1;
    }
    if (wordsCount <= 10) {
        return 2;
    }
    if (wordsCount <= 22) {
        return 3;
    }
    if (wordsCount <= 40) {
        return 4;
    }
    return static_cast<std::int32_t>((2 * static_cast<std::int64_t>(wordsCount) - 80) / 35 + 5);
}

std::int32_t CellCountFor(std::int32_t levelCount) {
    if (levelCount <= 4) {
        return 5 * levelCount * levelCount;
    }
    return FullLevelCells * levelCount - 60;
}

int FirstRowOf(std::int32_t level) {
    return level >= 4 ? 1 : 5 - level;
}

int LastRowOf(std::int32_t level) {
    return level >= 4 ? BoardRows : 3 + level;
}

std::int32_t FirstCellOf(std::int32_t level) {
    return level <= 4 ? 5 * (level - 1) * (level - 1) : FullLevelCells * level - 95;
}

bool LevelCoversRow(std::int32_t level, int row) {
    return level >= 1 && row >= FirstRowOf(level) && row <= LastRowOf(level);
}

std::int32_t FirstLevelCovering(int row) {
    return row < 4 ? 5 - row : row - 3;
}

std::int32_t CellIndex(std::int32_t level, int column, int row) {
    if (!LevelCoversRow(level, row) || column < 1 || column > BoardColumns) {
        return -1;
    }
    return FirstCellOf(level) + BoardColumns * (row - FirstRowOf(level)) + (column - 1);
}

CellPlace PlaceOfCell(std::int32_t cell) {
    std::int32_t level = 1;
    if (cell >= FirstCellOf(4)) {
        level = (cell + 95) / FullLevelCells;
    } else {
        while (cell >= FirstCellOf(level + 1)) {
            ++level;
        }
    }
    const std::int32_t offset = cell - FirstCellOf(level);
    return {level, offset % BoardColumns + 1, FirstRowOf(level) + offset / BoardColumns};
}

std::int32_t TopCellAt(const GameState& state, int column, int row) {
    if (!state.HasBoard()) {
        return -1;
    }
    // Levels above the remembered start hold no tile here: play only empties cells, and
    // PlaceTile moves the start up when a deal or load fills one above it.
    std::int32_t& start = state.TopProbeStart[static_cast<std::size_t>(PositionIndex(column, row))];
    const auto cells = static_cast<std::int32_t>(state.AssignmentArray.size());
    for (std::int32_t level = std::max(start, FirstLevelCovering(row)); level <= state.LevelCount;
         ++level) {
        const std::int32_t cell = CellIndex(level, column, row);
        if (cell >= cells) {
            break;
        }
        if (state.AssignmentArray[static_cast<std::size_t>(cell)] != NoPair) {
            start = level;
            return cell;
        }
    }
    start = std::max(start, state.LevelCount + 1);
    return -1;
}

std::int32_t TopLevelAt(const GameState& state, int column, int row) {
    const std::int32_t cell = TopCellAt(state, column, row);
    return cell < 0 ? 0 : PlaceOfCell(cell).level;
}

std::int32_t PairAt(const GameState& state, std::int32_t cell) {
    const bool onBoard = cell >= 0 && static_cast<std::size_t>(cell) < state.AssignmentArray.size();
    return onBoard ? state.AssignmentArray[static_cast<std::size_t>(cell)] : NoPair;
}

namespace {
const std::string* WordOfCell(const GameState& state, std::int32_t cell, bool shown) {
    const std::int32_t pair = PairAt(state, cell);
    if (pair == NoPair || static_cast<std::size_t>(pair) >= state.WordList.size()) {
        return nullptr;
    }
    const WordPair& entry = state.WordList[static_cast<std::size_t>(pair)];
    const bool showsTextA = state.AssignmentAB[static_cast<std::size_t>(cell)] == 0;
    const std::optional<std::string>& word = showsTextA == shown ? entry.TextA : entry.TextB;
    return word ? &*word : nullptr;
}
} // namespace

const std::string* WordShownAt(const GameState& state, std::int32_t cell) {
    return WordOfCell(state, cell, true);
}

const std::string* WordHiddenAt(const GameState& state, std::int32_t cell) {
    return WordOfCell(state, cell, false);
}

std::optional<std::string> TextShownAt(const GameState& state, std::int32_t cell) {
    const std::string* line = WordShownAt(state, cell);
    return line ? std::optional(ShownText(*line)) : std::nullopt;
}

std::optional<std::string> TextHiddenAt(const GameState& state, std::int32_t cell) {
    const std::string* line = WordHiddenAt(state, cell);
    return line ? std::optional(ShownText(*line)) : std::nullopt;
}

void PlaceTile(GameState& state, std::int32_t cell, std::int32_t pair, std::int32_t side) {
    state.AssignmentArray[static_cast<std::size_t>(cell)] = pair;
    state.AssignmentAB[static_cast<std::size_t>(cell)] = side;
    const CellPlace place = PlaceOfCell(cell);
    std::int32_t& start =
        state.TopProbeStart[static_cast<std::size_t>(PositionIndex(place.column, place.row))];
    start = std::min(start, place.level);
}
