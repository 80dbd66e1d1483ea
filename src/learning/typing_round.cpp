#include "learning/typing_round.h"

#include "game/random_source.h"
#include "learning/progress_store.h"

#include <utility>

namespace {

std::vector<TypingPair> Shuffled(std::vector<TypingPair> pairs, RandomSource& random) {
    for (std::size_t i = pairs.size(); i > 1; --i) {
        std::swap(pairs[i - 1], pairs[RandomBelow(random, i)]);
    }
    return pairs;
}

} // namespace

Grade GradeOf(AnswerVerdict verdict) {
    switch (verdict) {
    case AnswerVerdict::Right:
        return Grade::Good;
    case AnswerVerdict::RightButAccents:
    case AnswerVerdict::Almost:
        return Grade::Hard;
    case AnswerVerdict::Wrong:
        break;
    }
    return Grade::Again;
}

TypingRound::TypingRound(const std::vector<TypingPair>& pairs, RoundDirection direction,
                         RandomSource& random, std::time_t now)
    : PracticeRound(GameKind::Typing, false, Shuffled(pairs, random), direction, random, now) {}

AnswerCheck TypingRound::Answer(std::string_view typed, std::time_t now) {
    if (Over()) {
        return {};
    }
    AnswerCheck check = CheckAnswer(typed, Expected());
    Record(GradeOf(check.verdict), now);
    return check;
}
