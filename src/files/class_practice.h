#pragma once

#include "game/deal.h"
#include "learning/class_results.h"
#include "words/word_pair.h"

struct GameState;
class GameHost;

inline constexpr const char* ClassHardestPairsTitle =
    GT_TEXT("Message", "The class's hardest pairs");

// The class's ClassHardestPairCount hardest pairs that some learner has met, hardest first, as
// a new word list.
WordPairList ClassHardestPairList(const ClassResults& results);

// Deal the Class's Hardest Pairs: a practice game of the class's ClassHardestPairCount hardest
// pairs that some learner has met. When the list in play holds them all, they are its own
// pairs and the game counts toward it; otherwise the class's list, as the results give it,
// takes the place of the list in play first.
DealOutcome DealClassHardestPairs(GameState& state, GameHost& host, const ClassResults& results);
