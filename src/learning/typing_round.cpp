#include "learning/typing_round.h"

#include "game/random_source.h"

#include <utility>

namespace {

// A side can be shown by its word or its picture, and typed by its word.
bool CanAsk(const TypingPair& pair, bool asksTextA) {
    const std::string& typed = asksTextA ? pair.textA : pair.textB;
    const bool shown = asksTextA ? !pair.textB.empty() || !pair.pictureB.empty()
                                 : !pair.textA.empty() || !pair.pictureA.empty();
    return !typed.empty() && shown;
}

// 0 to n - 1. The deals' GetRandomNumber almost never gives its top number, so it would keep
// the last pair last and mixed rounds on one side.
std::size_t Below(RandomSource& random, std::size_t n) {
    return static_cast<std::size_t>(random.Next()) % n;
}
} // namespace

const std::string& TypingRound::Nothing() {
    static const std::string nothing;
    return nothing;
}

Grade GradeOf(const TypedPair& typed) {
    switch (typed.first.value_or(AnswerVerdict::Wrong)) {
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
    : direction_(direction), startedAt_(now), endedAt_(now) {
    for (const TypingPair& pair : pairs) {
        const bool dictation =
            direction == RoundDirection::Listen && (!pair.textA.empty() || !pair.textB.empty());
        if (dictation || CanAsk(pair, true) || CanAsk(pair, false)) {
            pairs_.push_back(pair);
        }
    }
    answeredAt_.resize(pairs_.size());
    std::vector<std::size_t> order(pairs_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    for (std::size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[Below(random, i)]);
    }
    for (const std::size_t pair : order) {
        queue_.push_back({pair, PickAsksTextA(pairs_[pair], random), false});
    }
}

bool TypingRound::PickAsksTextA(const TypingPair& pair, RandomSource& random) const {
    bool asksTextA = false;
    switch (direction_) {
    case RoundDirection::Forward:
        break;
    case RoundDirection::Backward:
        asksTextA = true;
        break;
    case RoundDirection::Mixed:
        asksTextA = Below(random, 2) == 1;
        break;
    case RoundDirection::Listen:
        // The side with a recording is heard, the words' side where both or neither have one;
        // never a side without words to type.
        return !pair.textA.empty() &&
               (!pair.soundA.empty() || pair.soundB.empty() || pair.textB.empty());
    }
    // A picture-only side cannot be typed: the other one is.
    return CanAsk(pair, asksTextA) ? asksTextA : !asksTextA;
}

const std::string& TypingRound::Shown() const {
    if (Over() || Listens()) {
        return Nothing();
    }
    const TypingPair& pair = pairs_[Now().pair];
    return Now().asksTextA ? pair.textB : pair.textA;
}

const std::string& TypingRound::Expected() const {
    if (Over()) {
        return Nothing();
    }
    const TypingPair& pair = pairs_[Now().pair];
    return Now().asksTextA ? pair.textA : pair.textB;
}

const std::string& TypingRound::ShownPicture() const {
    if (Over() || Listens()) {
        return Nothing();
    }
    const TypingPair& pair = pairs_[Now().pair];
    return Now().asksTextA ? pair.pictureB : pair.pictureA;
}

const std::string& TypingRound::HeardSound() const {
    if (Over() || !Listens()) {
        return Nothing();
    }
    const TypingPair& pair = pairs_[Now().pair];
    return Now().asksTextA ? pair.soundA : pair.soundB;
}

AnswerCheck TypingRound::Answer(std::string_view typed, std::time_t now) {
    if (Over()) {
        return {};
    }
    const Question question = Now();
    queue_.pop_front();
    const TypingPair& pair = pairs_[question.pair];
    AnswerCheck check = CheckAnswer(typed, question.asksTextA ? pair.textA : pair.textB);
    std::optional<std::size_t>& at = answeredAt_[question.pair];
    if (at) {
        answered_[*at].retry = check.verdict;
    } else {
        at = answered_.size();
        answered_.push_back({pair, check.verdict, std::nullopt});
        if (check.verdict == AnswerVerdict::Wrong) {
            queue_.push_back({question.pair, question.asksTextA, true});
        }
    }
    endedAt_ = now;
    return check;
}

void TypingRound::SetDirection(RoundDirection direction, RandomSource& random) {
    direction_ = direction;
    for (Question& question : queue_) {
        question.asksTextA = PickAsksTextA(pairs_[question.pair], random);
    }
}

void TypingRound::End(std::time_t now) {
    if (!Over()) {
        endedAt_ = now;
    }
    ended_ = true;
}

RoundSummary TypingRound::Summary() const {
    RoundSummary summary;
    summary.pairs = static_cast<std::int32_t>(answered_.size());
    for (const TypedPair& typed : answered_) {
        if (typed.first != AnswerVerdict::Wrong) {
            ++summary.rightFirstTry;
        } else if (typed.retry && *typed.retry != AnswerVerdict::Wrong) {
            ++summary.rightAfterRetry;
        } else {
            ++summary.wrong;
        }
    }
    summary.seconds = static_cast<std::int64_t>(endedAt_ - startedAt_);
    return summary;
}
