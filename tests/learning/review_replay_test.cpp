#include "learning/memory_model.h"
#include "learning/review_load.h"
#include "learning/review_replay.h"
#include "support/practice_day.h"
#include "support/simulated_learner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

using namespace std::chrono;

// Each case is one pair's log, its days counted from Today, and the rows the schedule counts.
// The cases are replayed together, their rows interleaved by day.
TEST(ReviewReplay, OnADayRecallReplacesRecognitionAndEveryPairIsPlayedWithTheSettingsGiven) {
    constexpr auto Board = ReviewSource::Board, Typing = ReviewSource::Typing,
                   Flashcards = ReviewSource::Flashcards, Choice = ReviewSource::Choice;
    constexpr Grade Again = Grade::Again, Hard = Grade::Hard, Good = Grade::Good;
    struct Row {
        int day;
        Grade grade;
        ReviewSource source;
        bool counted;
    };
    struct Case {
        const char* pair;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"board, then typing", {{0, Again, Board, false}, {0, Good, Typing, true}}},
        {"typing, then board", {{0, Good, Typing, true}, {0, Again, Board, false}}},
        {"flashcards are recall", {{0, Again, Board, false}, {0, Hard, Flashcards, true}}},
        {"a choice is recognition",
         {{0, Again, Choice, false}, {0, Good, Typing, true}, {0, Good, Choice, false}}},
        {"board, typing, board, typing",
         {{0, Again, Board, false},
          {0, Hard, Typing, true},
          {0, Again, Board, false},
          {0, Good, Typing, true}}},
        {"an earlier day's board stays",
         {{0, Good, Board, true}, {3, Again, Board, false}, {3, Good, Typing, true}}},
        {"two boards on a day both count", {{0, Good, Board, true}, {0, Again, Board, true}}},
        {"a row without a grade counts for nothing",
         {{0, Good, Board, true},
          {1, static_cast<Grade>(7), Board, false},
          {2, Hard, Board, true}}},
    };
    std::vector<ReviewRecord> log;
    std::vector<const Row*> rowOf;
    for (const Case& c : cases) {
        for (const Row& row : c.rows) {
            // Wrongly marked: the replay decides again.
            log.push_back({c.pair, Today + days(row.day), row.grade, row.source, !row.counted});
            rowOf.push_back(&row);
        }
    }
    std::vector<std::size_t> order(log.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return log[a].day < log[b].day; });
    std::vector<ReviewRecord> interleaved;
    for (const std::size_t i : order) {
        interleaved.push_back(log[i]);
    }
    const ReviewSettings fitted{{0.5, 1.5,  4.0, 12.0, 6.0,  0.7, 2.5,    0.01,   1.6,    0.2, 0.9,
                                 1.7, 0.07, 0.3, 1.8,  0.55, 2.1, 0.5425, 0.0912, 0.0658, 0.2},
                                0.85};
    const ReplayedLog replayed = ReplayReviews(interleaved, fitted);
    ASSERT_EQ(replayed.counted.size(), log.size());
    ASSERT_EQ(replayed.before.size(), log.size());
    // Each pair's schedule so far, from the rows counted: every row starts from it.
    std::map<std::string, std::optional<Schedule>> expected;
    for (std::size_t at = 0; at < interleaved.size(); ++at) {
        const ReviewRecord& record = interleaved[at];
        const Row& row = *rowOf[order[at]];
        SCOPED_TRACE(record.pair + " on day " + std::to_string(row.day));
        std::optional<Schedule>& schedule = expected[record.pair];
        EXPECT_EQ(replayed.counted[at], row.counted);
        ASSERT_EQ(replayed.before[at].has_value(), schedule.has_value());
        if (schedule) {
            EXPECT_EQ(replayed.before[at]->memory.stability, schedule->memory.stability);
            EXPECT_EQ(replayed.before[at]->due, schedule->due);
        }
        if (row.counted) {
            schedule = Review(schedule, record.day, record.grade, fitted);
        }
    }
    ASSERT_EQ(replayed.schedules.size(), std::size(cases));
    for (const auto& [pair, schedule] : expected) {
        SCOPED_TRACE(pair);
        const Schedule& kept = replayed.schedules.at(pair);
        EXPECT_EQ(kept.memory.difficulty, schedule->memory.difficulty);
        EXPECT_EQ(std::tuple(kept.due, kept.reps, kept.lapses),
                  std::tuple(schedule->due, schedule->reps, schedule->lapses));
    }
}

TEST(ReviewLoad, AHigherRetentionCostsMoreReviewsADay) {
    Learner learner;
    learner.pairs = 300;
    learner.days = 90;
    std::vector<Schedule> pairs;
    for (const auto& [pair, schedule] : ReplayReviews(SimulatedReviews(learner), {}).schedules) {
        pairs.push_back(schedule);
    }
    const Day after = year(2027) / March / 1;
    double previous = 0;
    for (const double retention : {0.7, 0.8, 0.9, 0.97}) {
        SCOPED_TRACE(retention);
        const double perDay = ExpectedReviewsPerDay(pairs, after, {DefaultWeights, retention});
        EXPECT_GT(perDay, previous * 1.1);
        previous = perDay;
    }
}

TEST(ReviewLoad, PairsComeBackWhenTheRetentionSaysAndMayComeAgain) {
    // Reviewed Good today: at 90 % its stability of 2.3065 days brings it back 2 days later.
    const Schedule fresh = Review(std::nullopt, Today, Grade::Good);
    const std::vector<double> once = ExpectedReviews({fresh}, Today, {}, 2);
    EXPECT_EQ(once, std::vector<double>(2, 0.0));
    const std::vector<double> month = ExpectedReviews({fresh}, Today, {});
    ASSERT_EQ(month.size(), 30u);
    EXPECT_DOUBLE_EQ(month[2], 1.0);
    // Forgotten one time in ten, it comes back the next day.
    EXPECT_NEAR(month[3], 1 - MemoryModel<double>(DefaultWeights).Retrievability(2, 2.3065), 1e-9);
    // An overdue pair is due today, and a pair due after the month costs nothing in it.
    Schedule overdue = fresh;
    overdue.lastReview = Today - days(40);
    Schedule later = fresh;
    later.memory.stability = 400;
    const std::vector<double> both = ExpectedReviews({overdue, later}, Today, {});
    EXPECT_DOUBLE_EQ(both[0], 1.0);
    EXPECT_DOUBLE_EQ(ExpectedReviewsPerDay({later}, Today, {}), 0.0);
}

} // namespace
