#pragma once

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "support/recording_host.h"

#include <string>

// A game of `pairs` entries ("a0", "b0"), ("a1", "b1"), ... on an empty board sized for them,
// which a test fills tile by tile.
struct PlayBoard {
    GameState state;
    RecordingHost host;

    explicit PlayBoard(int pairs) {
        for (int i = 0; i < pairs; ++i) {
            state.WordList.push_back({"a" + std::to_string(i), "b" + std::to_string(i)});
        }
        state.WordsCount = pairs;
        AllocateBoard(state, host);
    }

    std::int32_t Put(int pair, int side, int level, int column, int row) {
        const std::int32_t cell = CellIndex(level, column, row);
        PlaceTile(state, cell, pair, side);
        return cell;
    }
};

// A client point well inside a grid square, with the board at its usual place.
inline int PixelX(int column) {
    return 180 * column - 80;
}
inline int PixelY(int row) {
    return StandardBoardTop + 67 * row - 33;
}
