#pragma once

#include "learning/review_scheduler.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class RandomSource;

// Which word of a pair is shown; the player gives the other.
enum class RoundDirection {
    // The word is shown, its translation asked for.
    Forward,
    Backward,
    // Each question picks a side at random.
    Mixed,
    // Dictation: a side's sound is played (its recording, else its word spoken) and the player
    // gives that side's word.
    Listen,
};

// A pair of the list in play, its two words in UTF-8, without references, and the files of
// its usable pictures and sounds ("" where it has none).
struct TypingPair {
    std::int32_t index = 0;
    std::string textA;
    std::string textB;
    std::string pictureA = {};
    std::string pictureB = {};
    std::string soundA = {};
    std::string soundB = {};
    std::string note = {};
};

// The word on one side of a pair, as every round shows it and compares it.
const std::string& SideText(const TypingPair& pair, bool textA);

// True when a round can ask the pair one way or the other: the side asked for has a word, and
// the side shown a word or a picture.
bool Askable(const TypingPair& pair);

// 0 to n - 1, for n > 0. The deals' GetRandomNumber almost never gives its top number, so it
// would keep the last pair last and mixed rounds on one side.
std::size_t RandomBelow(RandomSource& random, std::size_t n);

// How one pair went: the grade of its first answer, which is its review, and after an Again the
// grade when it came back.
struct PracticedPair {
    TypingPair pair;
    Grade first = Grade::Again;
    std::optional<Grade> retry;
};

struct RoundSummary {
    // Pairs answered at least once.
    std::int32_t pairs = 0;
    std::int32_t rightFirstTry = 0;
    std::int32_t rightAfterRetry = 0;
    std::int32_t wrong = 0;
    std::int64_t seconds = 0;
    // Pairs by the grade of their first answer, Again to Easy.
    std::array<std::int32_t, 4> grades{};
};

// "3 of 25": the question now, counted from 1, of the questions asked and still to ask. A pair
// that comes back adds one.
struct RoundProgress {
    std::int32_t question = 0;
    std::int32_t questions = 0;
};

// What the ways of practising a list share: each pair is asked once in the order given, and a
// pair whose first answer was graded Again once more at the end. A side is shown by its word or
// its picture, or, in Listen, by its sound; the side asked for must have a word. Pairs that
// cannot be asked either way are not asked.
class PracticeRound {
public:
    // The kind of game the progress store keeps the round as.
    const char* Kind() const { return kind_; }
    // True when a pair's grade on coming back is a review of its own, as a flashcard's is.
    bool RetriesAreReviews() const { return retriesAreReviews_; }

    bool Over() const { return queue_.empty() || ended_; }
    // The word shown now and the word asked for; empty once the round is over. In Listen,
    // nothing is shown.
    const std::string& Shown() const;
    const std::string& Expected() const;
    bool ShowsTextA() const { return !Over() && !Now().asksTextA; }
    // The picture shown with (or instead of) the word now, "" when there is none.
    const std::string& ShownPicture() const;
    // In Listen, the recording to play now; "" when the word asked for is to be spoken.
    const std::string& HeardSound() const;
    bool Listens() const { return direction_ == RoundDirection::Listen; }
    // The note of the pair asked now, shown once it is answered.
    const std::string& NoteNow() const;
    // The question now brings back a pair whose first answer was graded Again.
    bool Retrying() const { return !Over() && Now().retry; }
    RoundProgress Progress() const;

    // The direction of this question and the later ones.
    void SetDirection(RoundDirection direction, RandomSource& random);
    RoundDirection Direction() const { return direction_; }
    // Escape: what was answered counts, the rest is not asked.
    void End(std::time_t now);
    // "I was right": the answer just graded Again counts as Hard, the player's word against the
    // checker's, and its pair does not come back for it. False when there is no such answer.
    bool OverruleLastAnswer();

    // The pairs answered, in the order first asked.
    const std::vector<PracticedPair>& Answered() const { return answered_; }
    RoundSummary Summary() const;

protected:
    PracticeRound(const char* kind, bool retriesAreReviews, const std::vector<TypingPair>& pairs,
                  RoundDirection direction, RandomSource& random, std::time_t now);

    // The pair asked now, while the round is not over.
    const TypingPair& PairNow() const { return pairs_[Now().pair]; }
    // Grades the answer to the question now and goes on to the next one.
    void Record(Grade grade, std::time_t now);

private:
    struct Question {
        std::size_t pair = 0;
        bool asksTextA = false;
        bool retry = false;
    };
    bool PickAsksTextA(const TypingPair& pair, RandomSource& random) const;
    const Question& Now() const { return queue_.front(); }

    const char* kind_;
    bool retriesAreReviews_;
    std::vector<TypingPair> pairs_;
    RoundDirection direction_;
    std::deque<Question> queue_;
    // Per pair of pairs_, its place in answered_, once answered.
    std::vector<std::optional<std::size_t>> answeredAt_;
    std::vector<PracticedPair> answered_;
    std::int32_t answers_ = 0;
    std::optional<Question> lastAnswered_;
    std::time_t startedAt_;
    std::time_t endedAt_;
    bool ended_ = false;
};
