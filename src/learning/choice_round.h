#pragma once

#include "learning/choice_options.h"
#include "learning/practice_round.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

class RandomSource;

// What a choice was, and the right answer.
struct ChoiceVerdict {
    bool right = false;
    // Empty when no answer was chosen.
    std::string chosen;
    std::string answer;
};

// Choose the word: each pair's word is shown with up to four answers from its list. Right at
// the first try is Good, and wrong is Again, which brings the pair back once at the end.
class ChoiceRound : public PracticeRound {
public:
    // `pairs` in the order to ask them; the other answers come from `list`, the whole list,
    // nearest those the learner took for the pair asked.
    ChoiceRound(const std::vector<TypingPair>& pairs, std::vector<TypingPair> list,
                Confusions confusedWith, RoundDirection direction, RandomSource& random,
                std::time_t now);

    // The answers offered now: the same until the question is answered or the direction
    // changes; none once the round is over.
    OfferedAnswers Offered() const;
    // Takes the answer at `option` of Offered() and goes on to the next question. A number
    // that names no answer chooses none, which is wrong.
    ChoiceVerdict Choose(std::size_t option, std::time_t now);

private:
    std::vector<TypingPair> list_;
    Confusions confusedWith_;
    std::uint32_t seed_;
};
