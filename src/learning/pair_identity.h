#pragma once

#include "game/pair_key.h"
#include "words/word_pair.h"

#include <string>
#include <vector>

struct GameState;

// A list as it was opened, named by its fingerprint; its pairs are its words as read.
GameIdentity IdentityOfList(const WordPairList& list, std::string description);

// The game's identity, fixed when its list was opened; for a list nobody identified, the
// identity of the words in play.
GameIdentity IdentityOf(const GameState& state);

// Who the pair at `index` of the list in play is.
PairKey KeyOf(const GameIdentity& identity, const WordPairList& list, std::size_t index);
