#pragma once

#include "learning/answer_check.h"
#include "learning/review_scheduler.h"

#include <cstdint>
#include <ctime>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class RandomSource;

// Which word of a pair is shown; the player types the other.
enum class RoundDirection {
    // The word is shown, its translation typed.
    Forward,
    Backward,
    // Each question picks a side at random.
    Mixed,
    // Dictation: a side's sound is played (its recording, else its word spoken) and the player
    // types that side's word.
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

// How one pair went: its first answer and, after a wrong one, the answer at its retry.
struct TypedPair {
    TypingPair pair;
    std::optional<AnswerVerdict> first;
    std::optional<AnswerVerdict> retry;
};

// Good for a clean first answer, Hard for a first answer with a note (accents, one slip),
// Again for a wrong one, even when the retry was right.
Grade GradeOf(const TypedPair& typed);

struct RoundSummary {
    // Pairs answered at least once.
    std::int32_t pairs = 0;
    std::int32_t rightFirstTry = 0;
    std::int32_t rightAfterRetry = 0;
    std::int32_t wrong = 0;
    std::int64_t seconds = 0;
};

// A typing round: asks each pair once in random order and a pair answered wrong once more near
// the end. A side is asked by its word or its picture, or, in Listen, by its sound; the side
// typed must have a word. Pairs that cannot be asked either way are not asked.
class TypingRound {
public:
    TypingRound(const std::vector<TypingPair>& pairs, RoundDirection direction,
                RandomSource& random, std::time_t now);

    bool Over() const { return queue_.empty() || ended_; }
    // The word shown now and the word expected; empty once the round is over. In Listen,
    // nothing is shown.
    const std::string& Shown() const;
    const std::string& Expected() const;
    bool ShowsTextA() const { return !Over() && !queue_.front().asksTextA; }
    // The picture shown with (or instead of) the word now, "" when there is none.
    const std::string& ShownPicture() const;
    // In Listen, the recording to play now; "" when the expected word is to be spoken.
    const std::string& HeardSound() const;
    bool Listens() const { return direction_ == RoundDirection::Listen; }
    // The note of the pair asked now, shown once it is answered.
    const std::string& NoteNow() const { return Over() ? Nothing() : pairs_[Now().pair].note; }

    // Checks the answer to the question now and goes on to the next one.
    AnswerCheck Answer(std::string_view typed, std::time_t now);
    // The direction of this question and the later ones.
    void SetDirection(RoundDirection direction, RandomSource& random);
    RoundDirection Direction() const { return direction_; }
    // Escape: what was answered counts, the rest is not asked.
    void End(std::time_t now);

    // The pairs answered, in the order first asked.
    const std::vector<TypedPair>& Answered() const { return answered_; }
    RoundSummary Summary() const;

private:
    struct Question {
        std::size_t pair = 0;
        bool asksTextA = false;
        bool retry = false;
    };
    bool PickAsksTextA(const TypingPair& pair, RandomSource& random) const;
    const Question& Now() const { return queue_.front(); }
    static const std::string& Nothing();

    std::vector<TypingPair> pairs_;
    RoundDirection direction_;
    std::deque<Question> queue_;
    // Per pair of pairs_, its place in answered_, once answered.
    std::vector<std::optional<std::size_t>> answeredAt_;
    std::vector<TypedPair> answered_;
    std::time_t startedAt_;
    std::time_t endedAt_;
    bool ended_ = false;
};
