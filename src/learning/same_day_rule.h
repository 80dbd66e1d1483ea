#pragma once

#include "learning/review_record.h"
#include "learning/review_scheduler.h"

#include <optional>
#include <vector>

// Where a review's grade comes from: recognising the pair on a board, or typing it.
enum class Evidence { Board, Recall };

// A flashcard's grade tells recall as typing does; picking among four answers is recognition,
// as on the board.
inline Evidence EvidenceOf(ReviewSource source) {
    return source == ReviewSource::Typing || source == ReviewSource::Flashcards ? Evidence::Recall
                                                                                : Evidence::Board;
}

// A pair's reviews so far on one day.
struct ReviewDay {
    // The evidence the day's counted reviews are of; nullopt before the first. Board and
    // recall never both count on one day.
    std::optional<Evidence> counted;
    // The schedule from before the day's first counted review.
    std::optional<Schedule> before;
};

// What one more review of a pair does to it.
struct ReviewEffect {
    // Counts toward the schedule; a board grade after a typed answer on its day does not.
    bool counted = true;
    // The day's board grades stop counting: the typed answer replaces them.
    bool uncountsBoard = false;
    // The schedule the review starts from, as the log keeps it.
    std::optional<Schedule> before;
    // The schedule after it, when it counts.
    Schedule after;
};

// On one day a pair's typed answers replace its board grades, because recall is the stronger
// evidence: the schedule ends as if the board had not graded the pair that day.
ReviewEffect NextReview(const std::optional<Schedule>& current, const ReviewDay& day,
                        Day reviewedOn, Grade grade, Evidence evidence,
                        const ReviewSettings& settings = {});

// What a review of a pair on one day starts from.
struct PairMemory {
    // Nullopt for a pair never reviewed.
    std::optional<Schedule> schedule;
    // Its reviews so far that day.
    ReviewDay day;
};

// The pair's memory after one more review that day of `evidence`.
PairMemory Remembered(PairMemory memory, const ReviewEffect& effect, Evidence evidence);

// One review as a log keeps it.
struct LoggedReview {
    Day day;
    Grade grade;
    Evidence evidence;
};

// A pair's reviews replayed under the same-day rule, in time order.
struct SameDayReplay {
    // Per review: whether it counts, and the schedule it started from.
    std::vector<bool> counted;
    std::vector<std::optional<Schedule>> before;
    // Nullopt when no review counted.
    std::optional<Schedule> schedule;
};

// `reviews` in time order, days never going back.
SameDayReplay ReplayWithSameDayRule(const std::vector<LoggedReview>& reviews);
