#include "files/results_export.h"
#include "learning/list_fingerprint.h"
#include "learning/memory_model.h"
#include "learning/pair_identity.h"
#include "learning/results_file.h"
#include "learning/sqlite_progress_store.h"
#include "support/games.h"
#include "support/practice_day.h"
#include "support/recorded_reviews.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

struct Played {
    const char* word;
    const char* translation;
    int missed;
    int hinted;
    Grade grade;
};

GameResult Game(const std::string& fingerprint, const std::string& description, Day day,
                const char* kind, const std::vector<Played>& pairs) {
    GameResult game{"/home/ana/lists/verbs.txt",
                    fingerprint,
                    NoonOf(day),
                    60,
                    3,
                    3,
                    1,
                    0,
                    0,
                    false,
                    0,
                    {},
                    kind,
                    description};
    for (const Played& pair : pairs) {
        game.outcomes.push_back(
            {{fingerprint, pair.word, pair.translation}, pair.missed, pair.hinted, 0, pair.grade});
    }
    return game;
}

class ResultsExport : public testing::Test {
protected:
    ResultsExport() : store_((dir_.path() / "progress.sqlite").string()) {
        state_.WordList = {
            {"voir", "to see"}, {"manger", "to eat"}, {"boire", "to drink"}, {"Voir ", "to see"}};
        state_.WordsCount = 4;
        state_.FileDescription = "Verbs";
        state_.ListPath = "/home/ana/lists/verbs.txt";
        state_.Identity = IdentityOfList(state_.WordList, "Verbs");
        host_.now = NoonOf(Today);
    }

    std::string Export(const std::string& learner = "Ana") {
        const std::string path = (dir_.path() / "ana.json").string();
        return ExportResults(state_, host_, store_, path, learner) ? ReadBytes(path) : "";
    }

    TempDir dir_;
    SqliteProgressStore store_;
    GameState state_;
    RecordingHost host_;
};

TEST_F(ResultsExport, TellsEachPairOfTheListOnceFromItsGamesRoundsAndMemory) {
    const std::string list = ListFingerprint(state_.WordList);
    const std::vector<GameResult> games = {
        Game(list, "Verbs", Today - days(3), GameKind::List,
             {{"voir", "to see", 1, 0, Grade::Again},
              {"manger", "to eat", 0, 1, Grade::Again},
              {"boire", "to drink", 0, 0, Grade::Good}}),
        Game(list, "Verbs", Today - days(2), GameKind::Typing,
             {{"voir", "to see", 0, 0, Grade::Good}, {"manger", "to eat", 1, 0, Grade::Again}}),
        // An edited copy of the list, and another list that shares nothing.
        Game("0000000000000001", "Verbs", Today - days(1), GameKind::List,
             {{"boire", "to drink", 0, 0, Grade::Good}}),
        Game("0000000000000002", "Colours", Today - days(1), GameKind::List,
             {{"rouge", "red", 2, 0, Grade::Again}}),
    };
    for (const GameResult& game : games) {
        ASSERT_TRUE(store_.Record(game)) << EnglishText(store_.Problem());
    }
    const std::string text = Export();
    ASSERT_FALSE(text.empty()) << testing::PrintToString(host_.messages);
    EXPECT_EQ(text.find("rouge"), std::string::npos) << "no other list's words";
    EXPECT_EQ(text.find("/home/ana"), std::string::npos) << "no path of the learner's machine";
    const ResultsReading read = ParseResultsFile(text);
    ASSERT_FALSE(read.problem) << EnglishText(*read.problem);
    EXPECT_EQ(read.results.learner, "Ana");
    EXPECT_EQ(read.results.description, "Verbs");
    EXPECT_EQ(read.results.fingerprint, list);
    EXPECT_EQ(read.results.written, Today);

    std::vector<std::string> counts;
    for (const PairResult& pair : read.results.pairs) {
        counts.push_back(
            pair.word + " games=" + std::to_string(pair.games) +
            " missed=" + std::to_string(pair.missed) + " hinted=" + std::to_string(pair.hinted) +
            " typed=" + std::to_string(pair.typedRight) + "/" + std::to_string(pair.typedWrong));
    }
    EXPECT_EQ(counts, std::vector<std::string>({
                          "voir games=1 missed=1 hinted=0 typed=1/0",
                          "manger games=1 missed=0 hinted=1 typed=0/1",
                          "boire games=2 missed=0 hinted=0 typed=0/0",
                      }));

    // Each memory is the schedule's, its recall today's by the default weights.
    const std::vector<ScheduledPair> scheduled = *store_.ScheduledPairs(EveryDay, 100);
    ASSERT_EQ(scheduled.size(), 4u);
    for (const ScheduledPair& pair : scheduled) {
        SCOPED_TRACE(pair.key.textA);
        if (pair.key.textA == "rouge") {
            continue;
        }
        const auto result = std::find_if(
            read.results.pairs.begin(), read.results.pairs.end(),
            [&](const PairResult& candidate) { return candidate.word == pair.key.textA; });
        ASSERT_NE(result, read.results.pairs.end());
        ASSERT_TRUE(result->memory);
        const PairMemoryResult& memory = *result->memory;
        EXPECT_NEAR(memory.stability, pair.schedule.memory.stability, 1e-4);
        EXPECT_NEAR(memory.difficulty, pair.schedule.memory.difficulty, 1e-4);
        EXPECT_EQ(memory.lastReview, pair.schedule.lastReview);
        EXPECT_EQ(memory.due, pair.schedule.due);
        const double elapsed = static_cast<double>((Today - pair.schedule.lastReview).count());
        EXPECT_NEAR(memory.recall,
                    MemoryModel<double>(DefaultWeights)
                        .Retrievability(elapsed, pair.schedule.memory.stability),
                    1e-4);
    }
    EXPECT_EQ(read.results.pairs[0].memory->lastGrade, Grade::Good) << "the typed answer";
    EXPECT_EQ(read.results.pairs[1].memory->lastGrade, Grade::Again);
}

TEST_F(ResultsExport, WithoutADatabaseEveryPairIsUnseen) {
    const ResultsReading read = ParseResultsFile(Export());
    ASSERT_FALSE(read.problem);
    ASSERT_EQ(read.results.pairs.size(), 3u);
    for (const PairResult& pair : read.results.pairs) {
        EXPECT_EQ(pair.games + pair.typedRight + pair.typedWrong, 0);
        EXPECT_FALSE(pair.memory);
    }
}

TEST_F(ResultsExport, RefusesWhatCannotBeWrittenAndSaysWhy) {
    const std::string path = (dir_.path() / "ana.json").string();
    struct Case {
        const char* name;
        std::string learner;
        const char* kind;
        std::string message;
    };
    const Case cases[] = {
        {"a name with a line break", "Ana\nB", GameKind::List,
         "the learner's name holds control characters"},
        {"a practice deal", "Ana", GameKind::MissedPairs,
         "Results are written for a whole list: open the list first."},
    };
    for (const Case& c : cases) {
        state_.Identity.kind = c.kind;
        host_.messages.clear();
        EXPECT_FALSE(ExportResults(state_, host_, store_, path, c.learner)) << c.name;
        EXPECT_EQ(host_.messages, std::vector<std::string>(
                                      {"Can't write the results to\n" + path + "\n" + c.message}))
            << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
