#pragma once

#include "learning/practice_round.h"

#include <istream>
#include <optional>
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

// "pairs: ", "right-first-try: ", "right-after-retry: ", "wrong: " and "time: " lines.
std::string RoundSummaryText(const RoundSummary& summary);
