#pragma once

#include "learning/calendar_day.h"
#include "learning/review_scheduler.h"

#include <string>

// Where a review's grade came from.
enum class ReviewSource {
    Board,
    Typing,
    Flashcards,
    // A right answer among four may be a guess: it schedules the pair but says little of recall.
    Choice,
};

// A review log row's `recall` column: the source's number, 0 board, 1 typing, 2 flashcards,
// 3 choice.
inline int RecallColumnOf(ReviewSource source) {
    return static_cast<int>(source);
}

// A number no source has reads as the board's, the weakest evidence.
inline ReviewSource ReviewSourceOfColumn(int column) {
    return column >= static_cast<int>(ReviewSource::Board) &&
                   column <= static_cast<int>(ReviewSource::Choice)
               ? static_cast<ReviewSource>(column)
               : ReviewSource::Board;
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
