#pragma once

#include "learning/answer_check.h"
#include "learning/practice_round.h"

#include <ctime>
#include <string_view>
#include <vector>

class RandomSource;

// Good for a clean answer, Hard for an answer with a note (accents, one slip), Again for a
// wrong one.
Grade GradeOf(AnswerVerdict verdict);

// A typing round: asks each pair once in random order, and a pair answered wrong once more near
// the end. A pair's review is its first answer's grade.
class TypingRound : public PracticeRound {
public:
    TypingRound(const std::vector<TypingPair>& pairs, RoundDirection direction,
                RandomSource& random, std::time_t now);

    // Checks the answer to the question now and goes on to the next one.
    AnswerCheck Answer(std::string_view typed, std::time_t now);
};
