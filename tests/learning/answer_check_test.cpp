#include "learning/answer_check.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* answer;
    const char* expected;
    AnswerVerdict verdict;
    // The spelling the answer came closest to.
    const char* closest;
};

TEST(AnswerCheck, AppliesTheRulesInTurnOnEveryAlternative) {
    using enum AnswerVerdict;
    const Case cases[] = {
        // Blanks at the ends, runs of blanks and case do not count.
        {"  dog ", "dog", Right, "dog"},
        {"Ice   CREAM", "ice cream", Right, "ice cream"},
        {"icecream", "ice cream", Almost, "ice cream"},
        {"ice crème", "ice cream", Wrong, "ice cream"},
        {"", "dog", Wrong, "dog"},
        {"   ", "dog", Wrong, "dog"},
        // Accents, composed or not, cost a note.
        {"cafe", "café", RightButAccents, "café"},
        {"cafe\xCC\x81", "café", Right, "café"},
        {"CAFÉ", "café", Right, "café"},
        {"ninos", "niños", RightButAccents, "niños"},
        // Greek, with its final sigma, and Cyrillic.
        {"ΛΟΓΟΣ", "λόγος", RightButAccents, "λόγος"},
        {"λόγος", "λόγος", Right, "λόγος"},
        {"ежик", "ёжик", RightButAccents, "ёжик"},
        {"МОЛОКО", "молоко", Right, "молоко"},
        {"молако", "молоко", Almost, "молоко"},
        // ß folds to ss.
        {"STRASSE", "Straße", Right, "Straße"},
        // One slip in a word of five letters or more, in code points.
        {"hosue", "house", Almost, "house"},
        {"hose", "house", Almost, "house"},
        {"houses", "house", Almost, "house"},
        {"mouse", "house", Almost, "house"},
        {"hsoeu", "house", Wrong, "house"},
        {"cat", "cab", Wrong, "cab"},
        {"kat", "cat", Wrong, "cat"},
        {"pollo", "polo", Wrong, "polo"},
        {"cafés", "café", Wrong, "café"},
        {"cafees", "cafés", Almost, "cafés"},
        {"ñandu", "nandú", RightButAccents, "nandú"},
        // Alternatives after / ; or , and optional parts in parentheses.
        {"humiliate", "to lower/humiliate", Right, "humiliate"},
        {"to lower", "to lower/humiliate", Right, "to lower"},
        {"entirety", "whole;entirety", Right, "entirety"},
        {"whole", "whole, entirety", Right, "whole"},
        {"acquérir", "(s')acquérir", Right, "acquérir"},
        {"s'acquérir", "(s')acquérir", Right, "s'acquérir"},
        {"s’acquerir", "(s')acquérir", RightButAccents, "s'acquérir"},
        {"go", "go (away, off)", Right, "go"},
        {"humilate", "to lower/humiliate", Almost, "humiliate"},
        {"lower", "to lower/humiliate", Wrong, "to lower"},
        // Japanese and Chinese only exactly.
        {"ねこ", "ねこ", Right, "ねこ"},
        {"ねご", "ねこ", Wrong, "ねこ"},
        {"ありがとう", "ありがとお", Wrong, "ありがとお"},
        {"中文", "中文", Right, "中文"},
        // Unbalanced parentheses and text that is not UTF-8 are simply wrong.
        {"a(b", "(a(b", Wrong, ""},
        {"caf\xE9", "café", Wrong, "café"},
    };
    for (const Case& c : cases) {
        const AnswerCheck check = CheckAnswer(c.answer, c.expected);
        EXPECT_EQ(check.verdict, c.verdict) << c.answer << " for " << c.expected;
        if (*c.closest != '\0') {
            EXPECT_EQ(check.closest, c.closest) << c.answer << " for " << c.expected;
        }
    }
}

TEST(AnswerCheck, MarksTheTypedLettersThatDiffer) {
    const auto marked = [](const char* answer, const char* closest) {
        std::string shown;
        for (const AnswerRun& run : MarkAnswer(answer, closest)) {
            shown += run.differs ? "[" + run.text + "]" : run.text;
        }
        return shown;
    };
    EXPECT_EQ(marked("kat", "cat"), "[k]at");
    EXPECT_EQ(marked(" Cafe ", "café"), "Caf[e]");
    EXPECT_EQ(marked("hoyuse", "house"), "ho[y]use");
    EXPECT_EQ(marked("hse", "house"), "hse");
    EXPECT_EQ(marked("жук", "жук"), "жук");
    EXPECT_EQ(marked("xyz", "ねこ"), "[xyz]");
}

} // namespace
