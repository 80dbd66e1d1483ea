#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a typed answer compares with the word expected, best first.
enum class AnswerVerdict {
    Right,
    // Right but for accents or other marks: "Mind the accents: café".
    RightButAccents,
    // One slip away in a word of five letters or more: "Almost: …".
    Almost,
    Wrong,
};

struct AnswerCheck {
    AnswerVerdict verdict = AnswerVerdict::Wrong;
    // The way of writing the expected word that the answer came closest to: one of its
    // alternatives, with or without the parts in parentheses.
    std::string closest;
};

// Compares an answer with the expected word, both UTF-8. Blanks at the ends and runs of them
// do not count, nor does case; accents cost a note and one slip in a long word a grade; an
// expected word may list alternatives ("to lower/humiliate") and optional parts ("(s')acquérir").
// Chinese, Japanese and Korean words must be typed exactly. An empty answer is always wrong.
AnswerCheck CheckAnswer(std::string_view answer, std::string_view expected);

// A run of the typed answer's letters that agree with the expected word, or that differ.
struct AnswerRun {
    std::string text;
    bool differs = false;
};

// The answer, without its outer blanks, cut into runs against `closest` (a CheckAnswer result):
// letters typed where the word has another, or has none, differ. Case does not count.
std::vector<AnswerRun> MarkAnswer(std::string_view answer, std::string_view closest);
