#include "game/game_state.h"
#include "game/random_source.h"
#include "learning/flashcard_round.h"
#include "learning/round_result.h"
#include "learning/schedule_order.h"
#include "learning/sqlite_progress_store.h"
#include "support/practice_day.h"
#include "support/recorded_reviews.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace std::chrono;

GameState StateOf(const WordPairList& words) {
    GameState state;
    state.WordList = words;
    state.FileDescription = "Animals";
    return state;
}

FlashcardRound CardsOf(const std::vector<TypingPair>& pairs,
                       const std::vector<PairMemory>& memories = {},
                       const ReviewSettings& settings = {}) {
    RandomSource random;
    return FlashcardRound(pairs, memories, RoundDirection::Forward, random, NoonOf(Today),
                          settings);
}

TEST(FlashcardRound, AgainBringsACardBackOnceAndEachGradeIsKept) {
    const GameState state = StateOf({{"perro", "dog"}, {"gato", "cat"}, {"caballo", "horse"}});
    FlashcardRound round =
        CardsOf({{0, "perro", "dog"}, {1, "gato", "cat"}, {2, "caballo", "horse"}});
    EXPECT_FALSE(round.GradeCard(Grade::Good, 1)) << "a card face down cannot be graded";
    std::map<std::string, std::vector<Grade>> grades = {
        {"dog", {Grade::Again, Grade::Again}}, {"cat", {Grade::Good}}, {"horse", {Grade::Easy}}};
    std::vector<std::string> fronts;
    while (!round.Over()) {
        fronts.push_back(round.Shown());
        EXPECT_EQ(round.Progress().question, static_cast<std::int32_t>(fronts.size()));
        EXPECT_EQ(round.Retrying(), fronts.size() == 4);
        round.Turn();
        std::vector<Grade>& left = grades.at(round.Expected());
        ASSERT_TRUE(round.GradeCard(left.front(), NoonOf(Today) + 10));
        left.erase(left.begin());
    }
    EXPECT_EQ(fronts, (std::vector<std::string>{"perro", "gato", "caballo", "perro"}));

    const RoundSummary summary = round.Summary();
    EXPECT_EQ(summary.grades, (std::array<std::int32_t, 4>{1, 0, 1, 1}));
    EXPECT_EQ(std::tuple(summary.pairs, summary.rightFirstTry, summary.wrong), std::tuple(3, 2, 1));
    const GameResult result = RoundResult(round, state, NoonOf(Today));
    EXPECT_EQ(result.kind, GameKind::Flashcards);
    ASSERT_EQ(result.outcomes.size(), 3u);
    EXPECT_EQ(std::tuple(result.outcomes[0].key.textA, result.outcomes[0].grade,
                         result.outcomes[0].retryGrade, result.outcomes[0].missed),
              std::tuple("perro", std::optional(Grade::Again), std::optional(Grade::Again), 1));
    EXPECT_EQ(result.outcomes[1].retryGrade, std::nullopt);
}

TEST(FlashcardRound, ANewDirectionTurnsTheCardBackAndEndingKeepsWhatWasGraded) {
    FlashcardRound round = CardsOf({{0, "perro", "dog"}, {1, "gato", "cat"}, {2, "", "horse"}});
    EXPECT_EQ(round.Progress().questions, 2) << "a pair without both words is no card";
    round.Turn();
    ASSERT_TRUE(round.Turned());
    RandomSource random;
    round.SetDirection(RoundDirection::Backward, random);
    EXPECT_FALSE(round.Turned());
    EXPECT_EQ(round.Shown() + " = " + round.Expected(), "dog = perro");
    round.Turn();
    round.GradeCard(Grade::Hard, NoonOf(Today) + 5);
    round.End(NoonOf(Today) + 9);
    EXPECT_TRUE(round.Over());
    EXPECT_FALSE(round.GradeCard(Grade::Good, NoonOf(Today) + 10));
    const RoundSummary summary = round.Summary();
    EXPECT_EQ(std::tuple(summary.pairs, summary.grades[1], summary.seconds),
              std::tuple(1, 1, std::int64_t{9}));
}

// One review of the pair before the round: a game of `kind`, `daysAgo` before Today.
struct Earlier {
    const char* kind;
    int daysAgo;
    Grade grade;
};

// The interval shown on each grade is where that grade puts the pair, whatever the pair went
// through today already, under the retention the learner keeps.
TEST(FlashcardRound, EachGradesIntervalIsTheOneThatGradeGives) {
    struct Case {
        const char* name;
        std::vector<Earlier> earlier;
        // The card is graded Again first and graded at its return.
        bool cameBack;
    };
    const Case cases[] = {
        {"a new pair", {}, false},
        {"a pair due today", {{GameKind::Typing, 3, Grade::Good}}, false},
        {"a pair long overdue",
         {{GameKind::List, 60, Grade::Good}, {GameKind::List, 50, Grade::Easy}},
         false},
        {"a pair the board missed today", {{GameKind::List, 0, Grade::Again}}, false},
        {"a pair chosen right today",
         {{GameKind::List, 9, Grade::Good}, {GameKind::Choice, 0, Grade::Good}},
         false},
        {"a pair typed today", {{GameKind::Typing, 0, Grade::Hard}}, false},
        {"a card back after Again", {{GameKind::List, 4, Grade::Good}}, true},
    };
    const GameState state = StateOf({{"voir", "to see"}});
    const PairKey key{"00112233aabbccdd", "voir", "to see"};
    for (const Case& c : cases) {
        for (const Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
            SCOPED_TRACE(std::string(c.name) + ", grade " +
                         std::to_string(static_cast<int>(grade)));
            TempDir home;
            SqliteProgressStore store((home.path() / "progress.sqlite").string());
            ASSERT_TRUE(WriteSetting(store, Setting::Retention, 0.8));
            for (const Earlier& review : c.earlier) {
                GameResult game;
                game.kind = review.kind;
                game.finishedAt = NoonOf(Today - days(review.daysAgo));
                game.outcomes.push_back({key, 0, 0, 0, review.grade});
                ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
            }
            const auto memories = MemoriesInPlay(state, store, Today);
            const auto settings = StoredReviewSettings(store);
            ASSERT_TRUE(memories && settings) << EnglishText(store.Problem());
            FlashcardRound round = CardsOf({{0, "voir", "to see"}}, *memories, *settings);
            if (c.cameBack) {
                round.Turn();
                round.GradeCard(Grade::Again, NoonOf(Today));
            }
            round.Turn();
            const int shown = round.Intervals()[static_cast<std::size_t>(grade) - 1];
            ASSERT_TRUE(round.GradeCard(grade, NoonOf(Today)));
            ASSERT_TRUE(store.Record(RoundResult(round, state, NoonOf(Today))));
            const auto scheduled = store.ScheduledPairs(EveryDay, 10);
            ASSERT_TRUE(scheduled && scheduled->size() == 1u);
            EXPECT_EQ((scheduled->front().schedule.due - Today).count(), shown);
        }
    }
}

Schedule DueOn(Day due) {
    Schedule schedule;
    schedule.memory = {5, 5};
    schedule.lastReview = due - days(5);
    schedule.due = due;
    return schedule;
}

TEST(ScheduleOrder, DuePairsMostOverdueFirstThenNewOnesThenTheRestUpToTheSize) {
    const std::vector<TypingPair> pairs = {{0, "a", "1"}, {1, "b", "2"}, {2, "c", "3"},
                                           {3, "d", "4"}, {4, "e", "5"}, {5, "f", ""},
                                           {6, "g", "7"}, {7, "h", "8"}};
    std::vector<PairMemory> memories(pairs.size());
    for (const auto& [pair, due] :
         {std::pair(0, Today - days(1)), std::pair(2, Today - days(5)),
          std::pair(3, Today + days(2)), std::pair(6, Today), std::pair(7, Today + days(1))}) {
        memories[static_cast<std::size_t>(pair)].schedule = DueOn(due);
    }
    const auto words = [](const std::vector<TypingPair>& ordered) {
        std::string text;
        for (const TypingPair& pair : ordered) {
            text += pair.textA;
        }
        return text;
    };
    EXPECT_EQ(words(InScheduleOrder(pairs, memories, Today, 100)), "cagbehd");
    EXPECT_EQ(words(InScheduleOrder(pairs, memories, Today, 4)), "cagb");
    EXPECT_EQ(words(InScheduleOrder(pairs, {}, Today, 100)), "abcdegh");
}

} // namespace
