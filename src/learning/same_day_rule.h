#pragma once

#include "learning/review_record.h"
#include "learning/review_scheduler.h"

#include <optional>

// A pair's reviews so far on one day.
struct ReviewDay {
    // Whether the day's counted reviews are of recall; nullopt before the first. Recognition
    // and recall never both count on one day.
    std::optional<bool> recallCounted;
    // The schedule from before the day's first counted review.
    std::optional<Schedule> before;
};

// What one more review of a pair does to it.
struct ReviewEffect {
    // Counts toward the schedule; a recognised pair after a recalled one on its day does not.
    bool counted = true;
    // The day's counted reviews, all of recognition, stop counting: recall replaces them.
    bool uncountsDay = false;
    // The schedule the review starts from, as the log keeps it.
    std::optional<Schedule> before;
    // The schedule after it, when it counts.
    Schedule after;
};

// On one day a pair's recalled answers replace its recognised ones, because recall is the
// stronger evidence: the schedule ends as if the pair had only been recalled that day.
ReviewEffect NextReview(const std::optional<Schedule>& current, const ReviewDay& day,
                        Day reviewedOn, Grade grade, ReviewSource source,
                        const ReviewSettings& settings);

// What a review of a pair on one day starts from.
struct PairMemory {
    // Nullopt for a pair never reviewed.
    std::optional<Schedule> schedule;
    // Its reviews so far that day.
    ReviewDay day;
};

// The pair's memory after one more review that day from `source`.
PairMemory Remembered(PairMemory memory, const ReviewEffect& effect, ReviewSource source);
