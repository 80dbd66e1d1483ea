#pragma once

#include <string>

struct GameState;

// One "key: value" line each: description, source, pairs, levels, cells, tiles, free-pairs,
// correct, wrong, hints; then pictures, sounds and notes, and missing-media when a picture or a
// sound cannot be used.
std::string GameSummary(const GameState& state);

// Pairs whose two tiles are both top tiles now.
int FreePairCount(const GameState& state);
