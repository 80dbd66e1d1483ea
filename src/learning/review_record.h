#pragma once

#include "learning/calendar_day.h"
#include "learning/review_scheduler.h"

#include <optional>
#include <string>

// Where a review's grade came from. The number is what the review log's `recall` column keeps.
enum class ReviewSource {
    Board = 0,
    Typing = 1,
    Flashcards = 2,
    // A right answer among four may be a guess: it schedules the pair but says little of recall.
    Choice = 3,
};

// The source a `recall` column's number names; nullopt for one this program does not know.
inline std::optional<ReviewSource> ReviewSourceOf(int number) {
    return number >= static_cast<int>(ReviewSource::Board) &&
                   number <= static_cast<int>(ReviewSource::Choice)
               ? std::optional(static_cast<ReviewSource>(number))
               : std::nullopt;
}

// True when the learner had to bring the word back from memory (typed it, or turned a card
// over); the board and a choice among four only ask to recognise it.
inline bool IsRecall(ReviewSource source) {
    return source == ReviewSource::Typing || source == ReviewSource::Flashcards;
}

// One row of a review log, kept in the order the reviews were made.
struct ReviewRecord {
    // Which pair: any text that names it the same way in every row of it.
    std::string pair;
    // The learner's local calendar day.
    Day day;
    Grade grade = Grade::Good;
    ReviewSource source = ReviewSource::Board;
    // False for a review the schedule no longer counts: a board grade replaced by typing on the
    // same day.
    bool counted = true;
};
