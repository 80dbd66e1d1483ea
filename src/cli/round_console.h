#pragma once

#include "learning/practice_round.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

// Reads one line, without a carriage return at its end; false at the end of the input.
bool ReadLine(std::istream& in, std::string& line);

// A line read as an answer: what it meant, if anything.
template <typename Answer> struct Reply {
    std::optional<Answer> answer;
    // The input ended before a line was understood.
    bool ended = false;
    std::string line;
};

// Reads a line that `understand` makes sense of, and after one it does not, calls `askAgain`
// and reads one more. No answer after two lines it did not understand.
template <typename Answer, typename Understand, typename AskAgain>
Reply<Answer> ReadReply(std::istream& in, Understand understand, AskAgain askAgain) {
    Reply<Answer> reply;
    for (int attempt = 0; attempt < 2 && !reply.answer; ++attempt) {
        if (attempt > 0) {
            askAgain();
        }
        if (!ReadLine(in, reply.line)) {
            reply.ended = true;
            break;
        }
        reply.answer = understand(reply.line);
    }
    return reply;
}

// The side shown now: `label` ("ask: ") and its word, with a "picture: " line naming the file of
// a picture shown; in Listen, a "play: " line naming the recording, or "speech", instead.
void PrintQuestion(const PracticeRound& round, const char* label, std::ostream& out);

// A "note: " line, when there is a note.
void PrintNote(const std::string& note, std::ostream& out);

// "pairs: ", "right-first-try: ", "right-after-retry: ", "wrong: " and "time: " lines.
std::string RoundSummaryText(const RoundSummary& summary);
