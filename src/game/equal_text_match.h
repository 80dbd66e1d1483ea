#pragma once

#include <cstdint>

struct GameState;

// Two tiles whose words are the two halves of one entry of the list match, though they were
// dealt to different entries with equal words (a repeated pair, or two words with one
// translation). Swaps the entries of equal-word tiles so that both cells hold one entry, which
// keeps every entry with its two tiles. Returns whether they do now.
bool BringIntoOneEntry(GameState& state, std::int32_t firstCell, std::int32_t secondCell);
