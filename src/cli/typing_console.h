#pragma once

#include "learning/typing_round.h"
#include "words/message.h"

#include <istream>
#include <ostream>
#include <string>

// Plays a typing round in a terminal: each question is an "ask: " line on `out` (as
// PrintQuestion writes it), each line of `in` an answer, and each verdict a "verdict: " line,
// with a "typed: " line that marks the differing letters in brackets when the answer was not
// right, and a "note: " line with the pair's note. Stops at the round's end or at the end of the
// input, whichever comes first, and ends the round there. Verdicts are in `language` ("" for
// English); the line names stay English for scripts.
void PlayTypingRound(TypingRound& round, std::istream& in, std::ostream& out,
                     std::string_view language);

// The verdict: "Right: dog", "Mind the accents: café", "Almost: café", "Wrong: cat".
Message VerdictMessage(const AnswerCheck& check, const std::string& expected);
