#pragma once

#include "game/board_position.h"

#include <cstdint>
#include <optional>

struct GameState;

// Two top tiles of one list entry, found by FindHintPair.
struct HintPair {
    BoardPosition first;
    BoardPosition second;
    std::int32_t firstCell = -1;
    std::int32_t secondCell = -1;
};

// Positions are walked column by column, top row first. The first tile is the earliest top
// tile whose partner lies on top elsewhere, the second that partner. A pair stacked at one
// position is never found.
std::optional<HintPair> FindHintPair(const GameState& state);

// The hint fields hold positions zero-based, as the hint frames read them.
void StoreHintPositions(GameState& state, const HintPair& pair);
BoardPosition FirstHintedPosition(const GameState& state);
BoardPosition SecondHintedPosition(const GameState& state);
