#pragma once

#include "learning/practice_round.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class RandomSource;

// Per pair (its place in the list), the pairs the learner took for it.
using Confusions = std::map<std::int32_t, std::vector<std::int32_t>>;

// The answers offered to one question, the right one among them.
struct OfferedAnswers {
    std::vector<std::string> texts;
    std::size_t right = 0;
};

// A word as the player reads it: composed, without blanks at its ends and with each inner run of
// them one space. Two answers that read the same are one answer.
std::string SeenText(std::string_view word);

// The answers to offer when the other side of `asked` is shown and its `answerIsTextA` side is
// asked for: that word and up to `count` − 1 words of the same side of other pairs of `list`,
// closest first: words the learner took for this pair or this pair for them, then words of
// about its length, at random among equals. No two read the same, and none is right for the
// word shown too. The right answer takes a random place.
OfferedAnswers OfferAnswers(const TypingPair& asked, bool answerIsTextA,
                            const std::vector<TypingPair>& list, const Confusions& confusedWith,
                            RandomSource& random, std::size_t count = 4);
