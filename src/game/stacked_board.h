#pragma once

#include "game/board_geometry.h"
#include "game/stack_room.h"

#include <array>
#include <cstdint>
#include <vector>

struct GameState;
class GameHost;

inline constexpr std::int32_t NoCell = -1;

// The board as New Game3 builds it: every tile goes into the first empty cell of its
// position, so each stack is filled from the top without gaps. The queries rely on that and
// on cells never being emptied while a deal runs.
class StackedBoard {
public:
    StackedBoard(GameState& state, GameHost& host);

    // The first empty cell of the position, probing from level 1 down; NoCell when full.
    std::int32_t FirstEmptyCellAt(int column, int row);
    // The tile directly above the first empty cell; NoCell when the first empty cell is the
    // top of the position or the position is full.
    std::int32_t CoveringCellAt(int column, int row);
    // The other cell that holds the pair of `cell`.
    std::int32_t PartnerCell(std::int32_t cell) const;
    // The step of the blocking check from one tile to the next: the tile directly below, which
    // waits for this one to leave. A walk that comes back to a pair it met has found pairs that
    // wait on each other. Downwards, because deals fill stacks from the top: the bottom of a
    // stack is always near, so the walk stays short however large the board.
    std::int32_t ChainNeighbour(std::int32_t cell) const;
    // 1 when a tile put at (column, row) would close such a circle, 0 otherwise.
    int CheckForBlockedTiles(int column, int row);

    void Place(std::int32_t cell, std::int32_t pair, std::int32_t side);
    std::int32_t PairAt(std::int32_t cell) const;
    const StackRooms& Rooms() const { return rooms_; }

private:
    std::int32_t FirstEmptyLevelAt(int column, int row);

    GameState& state_;
    GameHost& host_;
    std::array<std::int32_t, BoardPositions> firstEmptyLevel_{};
    StackRooms rooms_{};
    // Per pair the cells its tiles went to, in the order they were placed.
    std::vector<std::array<std::int32_t, 2>> pairCells_;
    // Pairs met by the current blocking check carry the current check's stamp.
    std::vector<std::uint32_t> metStamp_;
    std::uint32_t stamp_ = 0;
};
