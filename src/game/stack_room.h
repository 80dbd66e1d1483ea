#pragma once

#include "game/board_geometry.h"

#include <array>
#include <cstdint>

// Per position (PositionIndex) how many empty cells its stack still has.
using StackRooms = std::array<std::int32_t, BoardPositions>;

// A stack takes at most one tile of each pair, so `pairs` pairs fit with every pair split over
// two stacks exactly when the rooms, each capped at `pairs`, add up to twice the pairs.
bool PairsFit(const StackRooms& rooms, std::int32_t pairs);

// Whether a pair's first tile may go to `stack` and leave its second tile and the `pairsAfter`
// pairs that follow a place each.
bool FirstTileFits(const StackRooms& rooms, int stack, std::int32_t pairsAfter);

// Whether a pair's second tile may go to `stack` and leave the `pairsAfter` pairs that follow
// a place each. The caller keeps it off the first tile's stack.
bool SecondTileFits(const StackRooms& rooms, int stack, std::int32_t pairsAfter);
