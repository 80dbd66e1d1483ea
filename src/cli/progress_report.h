#pragma once

#include <optional>
#include <string>

class ProgressStore;
struct GameState;

// The list's finished games, one "game: " line each, oldest first, then its hardest pairs, one
// "hardest: " line each. nullopt when the store cannot be read; its Problem() says why.
std::optional<std::string> ProgressReport(const GameState& state, ProgressStore& store);
