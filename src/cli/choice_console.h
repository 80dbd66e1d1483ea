#pragma once

#include "learning/choice_round.h"

#include <istream>
#include <ostream>
#include <string_view>

// Plays a choice round in a terminal: each question is a "Question: " line (as PrintQuestion
// writes it) followed by its answers, "1. " to "4. ", and a line of `in` chooses one by its
// number (which wins when an answer's text is a number too) or by its text; after a line that
// is neither, the question is asked once more, and then it counts as wrong. Each verdict is a
// "verdict: " line, followed by a "note: " line with the pair's note. Stops at the round's end
// or at the end of the input, and ends the round there. Verdicts are in `language` ("" for
// English); line names stay English.
void PlayChoiceRound(ChoiceRound& round, std::istream& in, std::ostream& out,
                     std::string_view language);
