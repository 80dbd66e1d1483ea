#pragma once

#include <cstdint>

struct GameState;
struct RemovedPair;

// Keeps both words of a pair for the removed-tiles panel, each cut to the length of the
// game's texts; a word the pair lacks leaves its text empty.
void RememberRemovedPair(GameState& state, std::int32_t pair);

// Takes both tiles of a pair off the board and shows its words as the last removed pair,
// recording the removal so that it can be undone. Both cells hold the pair.
void RemovePair(GameState& state, std::int32_t firstCell, std::int32_t secondCell);

// Takes a recorded removal off the board again, as RemovePair did, without recording it.
void TakeOffBoard(GameState& state, const RemovedPair& removal);

// Takes the tile off a cell. A cell outside the board is left alone.
void EmptyCell(GameState& state, std::int32_t cell);
