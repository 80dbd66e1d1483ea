#include "game/stack_navigation.h"

#include "game/game_state.h"

#include <cstdlib>

namespace {

int ReadingIndex(BoardPosition position) {
    return (position.row - 1) * BoardColumns + (position.column - 1);
}

BoardPosition AtReadingIndex(int index) {
    return {index % BoardColumns + 1, index / BoardColumns + 1};
}

bool HoldsTile(const GameState& state, BoardPosition position) {
    return TopCellOf(state, position) >= 0;
}

// Walks reading order from `start` in steps of `step` (+1 or -1), wrapping, and stops at the
// first stack with a tile; `start` itself comes last.
std::optional<BoardPosition> ScanReadingOrder(const GameState& state, int start, int step) {
    for (int i = 1; i <= BoardPositions; ++i) {
        const BoardPosition position =
            AtReadingIndex(((start + step * i) % BoardPositions + BoardPositions) % BoardPositions);
        if (HoldsTile(state, position)) {
            return position;
        }
    }
    return std::nullopt;
}

int WrappedRow(int row) {
    return (row - 1 + BoardRows) % BoardRows + 1;
}

std::optional<BoardPosition> ScanVertically(const GameState& state, BoardPosition from, int step) {
    for (int distance = 1; distance < BoardRows; ++distance) {
        const BoardPosition position{from.column, WrappedRow(from.row + step * distance)};
        if (HoldsTile(state, position)) {
            return position;
        }
    }
    // The column holds nothing else: the nearest row that holds a tile, nearest column first,
    // left before right.
    for (int distance = 1; distance <= BoardRows; ++distance) {
        const int row = WrappedRow(from.row + step * distance);
        for (int offset = 1; offset < BoardColumns; ++offset) {
            for (const int column : {from.column - offset, from.column + offset}) {
                const BoardPosition position{column, row};
                if (position.IsOnBoard() && HoldsTile(state, position)) {
                    return position;
                }
            }
        }
    }
    return HoldsTile(state, from) ? std::optional(from) : std::nullopt;
}

} // namespace

std::optional<BoardPosition> StackAfterMove(const GameState& state, BoardPosition from,
                                            CursorMove move) {
    const bool placed = from.IsOnBoard();
    switch (move) {
    case CursorMove::First:
        return ScanReadingOrder(state, -1, 1);
    case CursorMove::Last:
        return ScanReadingOrder(state, BoardPositions, -1);
    case CursorMove::Next:
        return ScanReadingOrder(state, placed ? ReadingIndex(from) : -1, 1);
    case CursorMove::Previous:
        return ScanReadingOrder(state, placed ? ReadingIndex(from) : BoardPositions, -1);
    case CursorMove::Up:
    case CursorMove::Down:
        if (!placed) {
            return ScanReadingOrder(state, -1, 1);
        }
        return ScanVertically(state, from, move == CursorMove::Down ? 1 : -1);
    }
    return std::nullopt;
}
