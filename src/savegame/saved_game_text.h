#pragma once

#include "words/word_pair.h"

#include <cstdint>
#include <string>

struct GameState;
class GameHost;

// The cells a save writes: CellCount, or 0 when the board arrays do not hold that many cells
// (no board yet, or a load that stopped before making one) or CellCount is not positive.
std::int32_t SavableCellCount(const GameState& state);

// The bytes of the saved-game file for the current game, every line ending in CR LF. Every
// ':' in the words becomes '-' in the word list itself, since the loader splits pair lines at
// colons; a pair with a missing word is written in its own form, with a warning.
std::string SavedGameText(GameState& state, GameHost& host);

// A pair's words as its saved game gives them back: each ':' as '-', a missing TextA as "" and
// a missing TextB as "Missing word".
WordPair WordsAsSaved(WordPair pair);
