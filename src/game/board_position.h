#pragma once

#include "game/board_geometry.h"

// A place on the 5 x 7 grid, column and row from 1; 0 in either means no place.
struct BoardPosition {
    int column = 0;
    int row = 0;
    bool operator==(const BoardPosition&) const = default;

    // Only such positions may be handed to the top-tile queries.
    bool IsOnBoard() const {
        return column >= 1 && column <= BoardColumns && row >= 1 && row <= BoardRows;
    }
};

// The top cell of a position, or -1 when it holds no tile or is no position at all.
inline std::int32_t TopCellOf(const GameState& state, BoardPosition position) {
    return position.IsOnBoard() ? TopCellAt(state, position.column, position.row) : -1;
}

inline BoardPosition PositionOfCell(std::int32_t cell) {
    const CellPlace place = PlaceOfCell(cell);
    return {place.column, place.row};
}
