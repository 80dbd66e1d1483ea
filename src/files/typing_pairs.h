#pragma once

#include "learning/practice_round.h"
#include "words/word_pair.h"

#include <string_view>
#include <vector>

// The pairs of a list as a round asks them: their words in UTF-8, whatever encoding the file
// had, each numbered by its place in the list, with the usable pictures and sounds of the list
// at `listPath`.
std::vector<TypingPair> TypingPairsOf(const WordPairList& list, std::string_view listPath = {});
