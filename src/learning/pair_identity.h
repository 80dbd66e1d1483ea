#pragma once

#include "game/pair_key.h"
#include "words/word_pair.h"

#include <string>
#include <vector>

struct GameState;

// A list as it was opened: its fingerprint and each pair's words as read.
GameIdentity IdentityOfList(const WordPairList& list, std::string description);

// The game's identity where it covers its word list; otherwise (a list nobody identified)
// the identity of the words in play.
GameIdentity IdentityOf(const GameState& state);
