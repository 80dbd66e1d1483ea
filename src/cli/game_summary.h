#pragma once

#include <string>

struct GameState;

// One "key: value" line each: description, source, pairs, levels, cells, tiles, free-pairs,
// correct, wrong, hints.
std::string GameSummary(const GameState& state);

// Pairs whose two tiles are both top tiles now.
int FreePairCount(const GameState& state);
