#pragma once

#include "game/board_geometry.h"

#include <QRect>
#include <QSize>

// Where the board lies in client pixels. Every level draws a position's tile at the same
// rectangle, so a tile hides the whole stack beneath it.
inline constexpr int TileWidth = 178;
inline constexpr int TileHeight = 65;
inline constexpr int ColumnPitch = 180;
inline constexpr int RowPitch = 67;
inline constexpr int BoardLeft = 10;
// The panels and the grid with a margin round them, in the board's own units.
inline constexpr QSize BoardExtent(920, 580);

inline constexpr int TileLeft(int column) {
    return BoardLeft + ColumnPitch * (column - 1);
}
inline constexpr int TileTop(int boardTop, int row) {
    return boardTop + RowPitch * (row - 1);
}

inline QRect TileRect(int boardTop, int column, int row) {
    return {TileLeft(column), TileTop(boardTop, row), TileWidth, TileHeight};
}

// A rectangle given by its edges, right and bottom excluded, as the classic drawing calls
// take them.
inline QRect EdgeRect(int left, int top, int right, int bottom) {
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// Positions outside the grid have no pixels; checking first keeps the arithmetic in range.
inline constexpr bool IsBoardPosition(int column, int row) {
    return column >= 1 && column <= BoardColumns && row >= 1 && row <= BoardRows;
}
