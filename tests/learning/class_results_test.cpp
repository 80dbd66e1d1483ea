#include "learning/class_results.h"
#include "learning/class_tables.h"
#include "learning/memory_model.h"
#include "support/practice_day.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// A pair reviewed `daysAgo` days before the file was written, due `dueIn` days after that
// review, with the recall the writer would have given it.
PairResult Reviewed(const std::string& word, double stability, int daysAgo, int interval,
                    std::int64_t missed = 0, const MemoryWeights& weights = DefaultWeights,
                    Day written = Today) {
    const MemoryModel<double> model(weights);
    return {word,
            "to " + word,
            2,
            missed,
            0,
            0,
            0,
            PairMemoryResult{stability, 5, written - days(daysAgo), Grade::Good,
                             written - days(daysAgo) + days(interval),
                             model.Retrievability(daysAgo, stability)}};
}

PairResult Unseen(const std::string& word) {
    return {word, "to " + word, 0, 0, 0, 0, 0, std::nullopt};
}

LearnerFile File(const std::string& name, std::vector<PairResult> pairs,
                 const std::string& description = "Verbs", const std::string& fingerprint = "f1",
                 Day written = Today, const MemoryWeights& weights = DefaultWeights) {
    return {"/class/" + name + ".json",
            {name, description, fingerprint, written, weights, std::move(pairs)}};
}

std::string Row(const ClassPair& pair) {
    return pair.word + " learners=" + std::to_string(pair.learners) +
           " missed=" + std::to_string(pair.missed) + " recall=" + PercentText(pair.meanRecall);
}

std::vector<std::string> Rows(const ClassResults& results) {
    std::vector<std::string> rows;
    for (const ClassPair& pair : results.pairs) {
        rows.push_back(Row(pair));
    }
    return rows;
}

std::vector<std::string> Notes(const ClassResults& results) {
    std::vector<std::string> notes;
    for (const Message& note : results.notes) {
        notes.push_back(EnglishText(note));
    }
    return notes;
}

TEST(ClassResults, CountsLearnersAndMissesAndCarriesEachRecallToToday) {
    MemoryWeights forgetful = DefaultWeights;
    forgetful[20] = 0.6;
    const Day lastWeek = Today - days(7);
    std::vector<LearnerFile> files = {
        File("Ana", {Reviewed("voir", 10, 1, 9), Reviewed("boire", 1, 1, 1, 2), Unseen("manger")}),
        // Written a week ago, by a learner who forgets fast.
        File("Ben",
             {Reviewed("voir", 10, 2, 9, 0, forgetful, lastWeek),
              Reviewed("boire", 4, 0, 4, 0, forgetful, lastWeek),
              {"manger", "to manger", 0, 0, 0, 0, 1, std::nullopt}},
             "Verbs", "f1", lastWeek, forgetful),
    };
    const ClassResults results = GatherClass(files, Today);

    const MemoryModel<double> usual(DefaultWeights);
    const MemoryModel<double> fast(forgetful);
    // Each learner's recall today, from the last review.
    const double voir = (usual.Retrievability(1, 10) + fast.Retrievability(2 + 7, 10)) / 2;
    const double boire = (usual.Retrievability(1, 1) + fast.Retrievability(0 + 7, 4)) / 2;
    ASSERT_EQ(results.pairs.size(), 3u);
    EXPECT_EQ(results.description, "Verbs");
    EXPECT_EQ(Rows(results), std::vector<std::string>({
                                 "boire learners=2 missed=1 recall=" + PercentText(boire),
                                 "voir learners=2 missed=0 recall=" + PercentText(voir),
                                 // Typed wrong once, never reviewed: no recall to show.
                                 "manger learners=1 missed=1 recall=",
                             }));
    EXPECT_NEAR(*results.pairs[0].meanRecall, boire, 1e-9);
    EXPECT_NEAR(*results.pairs[1].meanRecall, voir, 1e-9);
    EXPECT_TRUE(Notes(results).empty());
}

TEST(ClassResults, ATyposCopyCountsForThePairsInCommonAndOtherFilesAreSetAside) {
    std::vector<LearnerFile> files = {
        // Ana's copy had "voire" before the typo was fixed.
        File("Ana", {Reviewed("voire", 5, 1, 5, 1), Reviewed("boire", 5, 1, 5, 1)}, "Verbs", "old"),
        File("Ben", {Reviewed("voir", 5, 1, 5), Reviewed("boire", 5, 1, 5)}, " verbs ", "new"),
        File("Cleo", {Reviewed("voir", 5, 1, 5, 1), Reviewed("boire", 5, 1, 5)}, "Verbs", "new",
             Today - days(3)),
        File("Dan", {Reviewed("rouge", 5, 1, 5)}, "Colours", "c"),
    };
    files.push_back(File("Cleo", {Reviewed("voir", 5, 0, 5), Reviewed("boire", 5, 0, 5)}, "Verbs",
                         "new", Today));
    files.back().path = "/class/Cleo-later.json";
    const ClassResults results = GatherClass(files, Today);

    ASSERT_EQ(results.pairs.size(), 2u) << "the pairs of the copy most learners hold";
    EXPECT_EQ(results.pairs[0].word + " " + std::to_string(results.pairs[0].learners) + " " +
                  std::to_string(results.pairs[0].missed),
              "boire 3 1")
        << "Ana counts for the pair her copy shares";
    EXPECT_EQ(results.pairs[1].word + " " + std::to_string(results.pairs[1].learners) + " " +
                  std::to_string(results.pairs[1].missed),
              "voir 2 0")
        << "only Cleo's later results count";
    EXPECT_EQ(Notes(results),
              std::vector<std::string>(
                  {"/class/Dan.json is set aside: it holds results for \"Colours\", not for the "
                   "class's list \"Verbs\".",
                   "/class/Cleo.json is set aside: Cleo's newer results are in "
                   "/class/Cleo-later.json."}));
}

TEST(ClassResults, TheListGivenDecidesThePairsAndTheDescription) {
    const std::vector<LearnerFile> files = {
        File("Ana", {Reviewed("rouge", 5, 1, 5)}, "Colours"),
        File("Ben", {Reviewed("bleu", 5, 1, 5)}, "Colours"),
        File("Cleo", {Reviewed("voir", 5, 1, 5, 2), Reviewed("lire", 5, 1, 5)}, "Verbs"),
    };
    const ClassList verbs{"Verbs",
                          {{"voir", "to voir"}, {"dire", "to dire"}, {"VOIR ", "to voir"}}};
    const ClassResults results = GatherClass(files, Today, verbs);
    EXPECT_EQ(results.description, "Verbs");
    EXPECT_EQ(Rows(results), std::vector<std::string>({"voir learners=1 missed=1 recall=" +
                                                           PercentText(results.pairs[0].meanRecall),
                                                       "dire learners=0 missed=0 recall="}))
        << "lire is not in the list; VOIR is voir again";
    EXPECT_EQ(Notes(results).size(), 2u) << "the two files of Colours";
}

TEST(ClassResults, NamesTheLearnersWhoFindAPairHardestLeastLikelyToRecallFirst) {
    const std::vector<LearnerFile> files = {
        File("Ana", {Reviewed("voir", 1, 20, 1)}),      // long overdue
        File("Ben", {Reviewed("voir", 50, 1, 40)}),     // knows it well
        File("Cleo", {Reviewed("voir", 50, 1, 40, 3)}), // knows it now, missed it often
        File("Dan", {Reviewed("voir", 2, 6, 2)}),       // overdue
        File("Eve", {Reviewed("voir", 1.5, 12, 1)}),    // overdue
    };
    const ClassResults results = GatherClass(files, Today);
    ASSERT_EQ(results.pairs.size(), 1u);
    EXPECT_EQ(results.pairs[0].hardestFor, std::vector<std::string>({"Ana", "Eve", "Dan"}));
}

TEST(ClassResults, TellsPerLearnerWhatIsSeenDueAndMature) {
    const std::vector<LearnerFile> files = {
        File("Ben", {Reviewed("a", 30, 10, 25), Reviewed("b", 30, 30, 25), Reviewed("c", 5, 2, 5),
                     Unseen("d")}),
        File("Ana", {Unseen("a"), Unseen("b"), Unseen("c"), Unseen("d")}),
    };
    const ClassResults results = GatherClass(files, Today);
    const TextRows rows = ClassLearnerRows(results);
    // b is mature by its interval but due: it counts as due, as Tools > Progress counts it.
    EXPECT_EQ(rows, TextRows({{"Ana", "0", "0", "0", ""},
                              {"Ben", "3", "1", "1", DayText(Today - days(2))}}));
}

} // namespace

// A spreadsheet reads each cell back whole: commas, quotes and line breaks inside it are quoted.
TEST(ClassTables, CsvQuotesOnlyTheCellsThatNeedIt) {
    const struct {
        std::vector<std::string> row;
        const char* line;
    } cases[] = {
        {{"perro", "dog", "2"}, "perro,dog,2\r\n"},
        {{"Ana, Ben", "1"}, "\"Ana, Ben\",1\r\n"},
        {{"say \"hi\"", ""}, "\"say \"\"hi\"\"\",\r\n"},
        {{"two\nlines", "cr\r"}, "\"two\nlines\",\"cr\r\"\r\n"},
        {{"l'eau", "62%"}, "l'eau,62%\r\n"},
    };
    std::string all;
    TextRows rows;
    for (const auto& c : cases) {
        EXPECT_EQ(CsvText({c.row}), c.line) << c.line;
        all += c.line;
        rows.push_back(c.row);
    }
    EXPECT_EQ(CsvText(rows), all);
}
