#pragma once

#include <cstdint>

struct GameState;

// Where a cell's pair stands in the first WordsCount entries of the word list, or -1 when it
// is not among them. Cells hold positions, so this is the position itself when it is valid.
std::int32_t GetWordPairIndex(const GameState& state, std::int32_t pair);
