#pragma once

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "support/recording_host.h"

#include <vector>

struct PlacedTile {
    std::int32_t cell;
    std::int32_t pair;
    std::int32_t side;
};

// A game over `pairs` with `tiles` on an otherwise empty board, as a deal or a load leaves it.
inline GameState MakeGame(const std::vector<WordPair>& pairs,
                          const std::vector<PlacedTile>& tiles) {
    GameState state;
    state.WordList.assign(pairs.begin(), pairs.end());
    state.WordsCount = static_cast<std::int32_t>(pairs.size());
    RecordingHost host;
    AllocateBoard(state, host);
    for (const PlacedTile& tile : tiles) {
        PlaceTile(state, tile.cell, tile.pair, tile.side);
    }
    return state;
}
