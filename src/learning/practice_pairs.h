#pragma once

#include "game/pair_key.h"
#include "words/word_pair.h"

#include <vector>

// Pairs to deal again, each with who it is in the progress records, so that practice counts
// toward the list it came from.
struct PracticePairs {
    WordPairList pairs;
    std::vector<PairKey> keys;
};
