#pragma once

#include "learning/practice_round.h"
#include "learning/same_day_rule.h"
#include "words/message.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class RandomSource;

// A grade button's label: "Good · 4 days".
Message IntervalLabel(Grade grade, int days);

// Flashcards graded by the learner: one card at a time, its back shown once it is turned, and
// the learner's grade its review. A card graded Again comes back once at the end, and its grade
// then is a second review on the same day.
class FlashcardRound : public PracticeRound {
public:
    // `pairs` in the order to ask them (InScheduleOrder); `memories` by the pair's place in the
    // list (MemoriesInPlay), where a pair without one is new; `settings` those the store
    // schedules with (StoredReviewSettings), so that the intervals shown are the ones kept.
    FlashcardRound(const std::vector<TypingPair>& pairs, const std::vector<PairMemory>& memories,
                   RoundDirection direction, RandomSource& random, std::time_t now,
                   const ReviewSettings& settings);

    // The back of the card now is shown. Each card comes face down, and so does the card now
    // when a new direction shows its other side.
    bool Turned() const;
    void Turn();
    // Days until the card now comes back after each grade, Again to Easy, from its memory and
    // what it was graded today.
    std::array<int, 4> Intervals() const;
    // Grades the card now once it is turned, and goes on to the next one; false when there
    // was no turned card to grade.
    bool GradeCard(Grade grade, std::time_t now);

private:
    std::map<std::int32_t, PairMemory> memories_;
    Day day_;
    ReviewSettings settings_;
    // The question and the side turned.
    std::optional<std::pair<std::int32_t, bool>> turned_;
};
