#pragma once

#include <cstdint>

struct GameState;

// Keeps both words of a pair for the removed-tiles panel, each cut to the length of the
// game's texts; a word the pair lacks leaves its text empty.
void RememberRemovedPair(GameState& state, std::int32_t pair);

// Takes the tile off a cell. A cell outside the board is left alone.
void EmptyCell(GameState& state, std::int32_t cell);
