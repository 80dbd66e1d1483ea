#pragma once

#include "learning/flashcard_round.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// Plays flashcards in a terminal: each card's "front: " line (as PrintQuestion writes it), then
// any line of `in` turns it; its "back: " line, a "note: " line with the pair's note, and a
// "grades: " line with each grade's next interval, then a line grades it (1 to 4, or again, hard,
// good, easy; once more after one that is none, then Again); a "verdict: " line says the grade
// given. Stops at the round's end or at the end of the input, and ends the round there. Texts are
// in `language` ("" for English); line names stay English.
void PlayFlashcardRound(FlashcardRound& round, std::istream& in, std::ostream& out,
                        std::string_view language);

// "again: ", "hard: ", "good: " and "easy: " lines: the cards by their first grade.
std::string GradeCountsText(const RoundSummary& summary);
