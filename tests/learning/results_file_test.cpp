#include "learning/memory_model.h"
#include "learning/results_file.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace std::chrono;

const Day Written = year(2026) / December / 7;

LearnerResults Sample() {
    PairHistory reviewed{
        4,          2, 1, 3, 1, Schedule{{3.5, 6.25}, Written - days(2), Written + days(1), 5, 1},
        Grade::Hard};
    PairHistory unseen;
    return MakeLearnerResults("Zoë \"Z\" Müller",
                              {"Verbs, \"lesson\" 3",
                               "00112233aabbccdd",
                               {{"manger", "to eat"}, {"l'été\\", "summer"}},
                               {reviewed, unseen}},
                              Written, DefaultWeights);
}

std::string Problem(const std::string& text) {
    const ResultsReading reading = ParseResultsFile(text);
    return reading.problem ? EnglishText(*reading.problem) : "read";
}

// A file as the writer makes it, with `field` of the first pair's line replaced.
std::string WithPairField(const std::string& field, const std::string& value) {
    std::string text = ResultsFileText(Sample());
    const std::size_t at = text.find("\"" + field + "\":");
    const std::size_t start = at + field.size() + 3;
    const std::size_t end =
        text[start] == '{' ? text.find('}', start) + 1 : text.find_first_of(",}", start);
    return text.replace(start, end - start, value);
}

TEST(ResultsFile, WhatIsWrittenReadsBackAsItWas) {
    const LearnerResults written = Sample();
    const ResultsReading read = ParseResultsFile(ResultsFileText(written));
    ASSERT_FALSE(read.problem) << EnglishText(*read.problem);
    const LearnerResults& results = read.results;
    EXPECT_EQ(results.learner, written.learner);
    EXPECT_EQ(results.description, written.description);
    EXPECT_EQ(results.fingerprint, written.fingerprint);
    EXPECT_EQ(results.written, Written);
    EXPECT_EQ(results.weights, DefaultWeights);
    ASSERT_EQ(results.pairs.size(), 2u);

    const PairResult& first = results.pairs[0];
    EXPECT_EQ(first.word + "=" + first.translation, "manger=to eat");
    EXPECT_EQ(std::vector<std::int64_t>(
                  {first.games, first.missed, first.hinted, first.typedRight, first.typedWrong}),
              std::vector<std::int64_t>({4, 2, 1, 3, 1}));
    ASSERT_TRUE(first.memory);
    EXPECT_EQ(first.memory->stability, 3.5);
    EXPECT_EQ(first.memory->difficulty, 6.25);
    EXPECT_EQ(first.memory->lastReview, Written - days(2));
    EXPECT_EQ(first.memory->due, Written + days(1));
    EXPECT_EQ(first.memory->lastGrade, Grade::Hard);
    const double recall = MemoryModel<double>(DefaultWeights).Retrievability(2, 3.5);
    EXPECT_NEAR(first.memory->recall, recall, 1e-4) << "two days after the last review";

    const PairResult& second = results.pairs[1];
    EXPECT_EQ(second.word, "l'été\\");
    EXPECT_FALSE(second.memory);
    EXPECT_EQ(second.games + second.typedRight + second.typedWrong, 0);
}

TEST(ResultsFile, RefusesWhatNoReaderShouldTrust) {
    const std::string good = ResultsFileText(Sample());
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    std::string manyPairs = replaced("\"pairs\":[", "\"pairs\":[");
    manyPairs.insert(manyPairs.find("\"pairs\":[") + 9, Repeat("{},", 50'001));
    struct Case {
        const char* name;
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {"as written", good, "read"},
        {"not JSON", good.substr(0, good.size() / 2), "it is not JSON"},
        {"a word list", "Verbs\nmanger\nto eat\n", "it is not JSON"},
        {"JSON of something else", R"({"format":"kvtml"})", "it is not a Glossatiles results file"},
        {"a JSON array", "[1,2]", "it is not a Glossatiles results file"},
        {"a newer version", replaced("\"version\":1", "\"version\":2"),
         "it comes from a newer Glossatiles (version 2)"},
        {"version zero", replaced("\"version\":1", "\"version\":0"), "version is out of range"},
        {"no learner", replaced("\"learner\"", "\"pupil\""),
         "learner is missing or of the wrong kind"},
        {"a bell in the name", replaced("Zo", "Zo\\u0007"),
         "the learner's name holds control characters"},
        {"a C1 control in the name", replaced("Zo", "Zo\\u0085"),
         "the learner's name holds control characters"},
        {"a name too long", replaced("Zo", Repeat("o", 300)),
         "the learner's name is longer than 200 bytes"},
        {"a date that is no day", replaced("2026-12-07", "2026-02-30"), "date is out of range"},
        {"20 weights", replaced("0.212,", ""), "weights is missing or of the wrong kind"},
        {"a weight out of its range", replaced("[0.212", "[1000"), "weights[0] is out of range"},
        {"a negative count", WithPairField("games", "-1"), "pairs[0].games is out of range"},
        {"a fractional count", WithPairField("missed", "1.5"), "pairs[0].missed is out of range"},
        {"a huge count", WithPairField("hinted", "1e300"), "pairs[0].hinted is out of range"},
        {"a count as text", WithPairField("typed_right", "\"3\""),
         "pairs[0].typed_right is missing or of the wrong kind"},
        {"a stability beyond 100 years", WithPairField("stability", "40000"),
         "pairs[0].memory.stability is out of range"},
        {"a difficulty of 11", WithPairField("difficulty", "11"),
         "pairs[0].memory.difficulty is out of range"},
        {"a recall above 1", WithPairField("recall", "1.5"),
         "pairs[0].memory.recall is out of range"},
        {"a grade of 5", WithPairField("last_grade", "5"),
         "pairs[0].memory.last_grade is out of range"},
        {"due before the last review", WithPairField("due", "\"2026-01-01\""),
         "pairs[0].memory.due is out of range"},
        {"a memory that is null", WithPairField("memory", "null"),
         "pairs[0].memory is missing or of the wrong kind"},
        {"the same pair twice, once in capitals",
         replaced("\"l'été\\\\\",\"translation\":\"summer\"",
                  "\" MANGER\",\"translation\":\"to  eat\""),
         "the pair  MANGER = to  eat is in it twice"},
        {"more than 50,000 pairs", manyPairs, "it holds more than 50000 pairs"},
        {"nested deeper than the format",
         replaced("\"pairs\":[", "\"x\":" + Repeat("[", 20) + Repeat("]", 20) + ",\"pairs\":["),
         "it is not a Glossatiles results file"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Problem(c.text), c.problem) << c.name;
    }
}

TEST(ResultsFile, ControlCharactersInWordsBecomeBlanks) {
    std::string text = ResultsFileText(Sample());
    text.replace(text.find("to eat"), 6, "to\\teat\\n");
    const ResultsReading read = ParseResultsFile(text);
    ASSERT_FALSE(read.problem);
    EXPECT_EQ(read.results.pairs[0].translation, "to eat ");
}

TEST(ResultsFile, RecallIsCarriedForwardAlongTheLearnersOwnCurve) {
    // A learner who forgets faster (a steeper decay) loses more in the same days.
    MemoryWeights fast = DefaultWeights;
    fast[20] = 0.6;
    for (const MemoryWeights& weights : {DefaultWeights, fast}) {
        const MemoryModel<double> model(weights);
        const PairMemoryResult memory{
            5, 5, Written - days(3), Grade::Good, Written + days(4), model.Retrievability(3, 5)};
        for (const int later : {0, 1, 10, 400}) {
            EXPECT_NEAR(RecallOn(Written + days(later), Written, memory, weights),
                        model.Retrievability(3 + later, 5), 1e-9)
                << "decay " << weights[20] << ", " << later << " days later";
        }
        EXPECT_NEAR(RecallOn(Written - days(5), Written, memory, weights), memory.recall, 1e-9)
            << "a file from the future is taken as of today";
    }
}

} // namespace
