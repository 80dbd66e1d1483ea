#pragma once

#include "learning/practice_round.h"
#include "words/word_pair.h"

#include <vector>

// The pairs of a list as a round asks them: in UTF-8, whatever encoding the file had,
// each numbered by its place in the list.
std::vector<TypingPair> TypingPairsOf(const WordPairList& list);
