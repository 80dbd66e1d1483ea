#include "learning/practice_round.h"

#include "game/random_source.h"

#include <utility>

namespace {
const std::string Nothing;
} // namespace

const std::string& SideText(const TypingPair& pair, bool textA) {
    return textA ? pair.textA : pair.textB;
}

namespace {

// A side can be shown by its word or its picture, and asked for by its word.
bool CanAsk(const TypingPair& pair, bool asksTextA) {
    const bool shown = asksTextA ? !pair.textB.empty() || !pair.pictureB.empty()
                                 : !pair.textA.empty() || !pair.pictureA.empty();
    return !SideText(pair, asksTextA).empty() && shown;
}

} // namespace

bool Askable(const TypingPair& pair) {
    return CanAsk(pair, true) || CanAsk(pair, false);
}

std::size_t RandomBelow(RandomSource& random, std::size_t n) {
    return static_cast<std::size_t>(random.Next()) % n;
}

PracticeRound::PracticeRound(const char* kind, bool retriesAreReviews,
                             const std::vector<TypingPair>& pairs, RoundDirection direction,
                             RandomSource& random, std::time_t now)
    : kind_(kind), retriesAreReviews_(retriesAreReviews), direction_(direction), startedAt_(now),
      endedAt_(now) {
    for (const TypingPair& pair : pairs) {
        const bool dictation =
            direction == RoundDirection::Listen && (!pair.textA.empty() || !pair.textB.empty());
        if (dictation || Askable(pair)) {
            queue_.push_back({pairs_.size(), PickAsksTextA(pair, random), false});
            pairs_.push_back(pair);
        }
    }
    answeredAt_.resize(pairs_.size());
}

bool PracticeRound::PickAsksTextA(const TypingPair& pair, RandomSource& random) const {
    bool asksTextA = false;
    switch (direction_) {
    case RoundDirection::Forward:
        break;
    case RoundDirection::Backward:
        asksTextA = true;
        break;
    case RoundDirection::Mixed:
        asksTextA = RandomBelow(random, 2) == 1;
        break;
    case RoundDirection::Listen:
        // The side with a recording is heard, the words' side where both or neither have one;
        // never a side without words to give.
        return !pair.textA.empty() &&
               (!pair.soundA.empty() || pair.soundB.empty() || pair.textB.empty());
    }
    // A picture-only side cannot be asked for: the other one is.
    return CanAsk(pair, asksTextA) ? asksTextA : !asksTextA;
}

const std::string& PracticeRound::Shown() const {
    return Over() || Listens() ? Nothing : SideText(PairNow(), !Now().asksTextA);
}

const std::string& PracticeRound::ShownPicture() const {
    if (Over() || Listens()) {
        return Nothing;
    }
    return Now().asksTextA ? PairNow().pictureB : PairNow().pictureA;
}

const std::string& PracticeRound::HeardSound() const {
    if (Over() || !Listens()) {
        return Nothing;
    }
    return Now().asksTextA ? PairNow().soundA : PairNow().soundB;
}

const std::string& PracticeRound::NoteNow() const {
    return Over() ? Nothing : PairNow().note;
}

const std::string& PracticeRound::Expected() const {
    return Over() ? Nothing : SideText(PairNow(), Now().asksTextA);
}

RoundProgress PracticeRound::Progress() const {
    const auto waiting = static_cast<std::int32_t>(Over() ? 0 : queue_.size());
    return {answers_ + (waiting > 0 ? 1 : 0), answers_ + waiting};
}

void PracticeRound::Record(Grade grade, std::time_t now) {
    if (Over()) {
        return;
    }
    const Question question = Now();
    queue_.pop_front();
    ++answers_;
    std::optional<std::size_t>& at = answeredAt_[question.pair];
    if (at) {
        answered_[*at].retry = grade;
    } else {
        at = answered_.size();
        answered_.push_back({pairs_[question.pair], grade, std::nullopt});
        if (grade == Grade::Again) {
            queue_.push_back({question.pair, question.asksTextA, true});
        }
    }
    lastAnswered_ = question;
    endedAt_ = now;
}

bool PracticeRound::OverruleLastAnswer() {
    if (!lastAnswered_) {
        return false;
    }
    const Question last = *std::exchange(lastAnswered_, std::nullopt);
    PracticedPair& practiced = answered_[*answeredAt_[last.pair]];
    if (last.retry) {
        if (practiced.retry != Grade::Again) {
            return false;
        }
        practiced.retry = Grade::Hard;
        return true;
    }
    if (practiced.first != Grade::Again) {
        return false;
    }
    practiced.first = Grade::Hard;
    std::erase_if(queue_, [&last](const Question& queued) {
        return queued.retry && queued.pair == last.pair;
    });
    return true;
}

void PracticeRound::SetDirection(RoundDirection direction, RandomSource& random) {
    direction_ = direction;
    for (Question& question : queue_) {
        question.asksTextA = PickAsksTextA(pairs_[question.pair], random);
    }
}

void PracticeRound::End(std::time_t now) {
    if (!Over()) {
        endedAt_ = now;
    }
    ended_ = true;
}

RoundSummary PracticeRound::Summary() const {
    RoundSummary summary;
    summary.pairs = static_cast<std::int32_t>(answered_.size());
    for (const PracticedPair& practiced : answered_) {
        if (practiced.first != Grade::Again) {
            ++summary.rightFirstTry;
        } else if (practiced.retry && *practiced.retry != Grade::Again) {
            ++summary.rightAfterRetry;
        } else {
            ++summary.wrong;
        }
        ++summary.grades[static_cast<std::size_t>(practiced.first) - 1];
    }
    summary.seconds = static_cast<std::int64_t>(endedAt_ - startedAt_);
    return summary;
}
