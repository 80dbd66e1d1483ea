#include "learning/memory_model.h"
#include "learning/review_load.h"
#include "learning/review_replay.h"
#include "support/simulated_learner.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const Day Today = year(2026) / December / 7;

TEST(ReviewReplay, CountedReviewsArePlayedAgainWithTheSettingsGiven) {
    const ReviewSettings fitted{{0.5, 1.5,  4.0, 12.0, 6.0,  0.7, 2.5,    0.01,   1.6,    0.2, 0.9,
                                 1.7, 0.07, 0.3, 1.8,  0.55, 2.1, 0.5425, 0.0912, 0.0658, 0.2},
                                0.85};
    std::vector<ReviewRecord> log = SimulatedReviews(Learner{});
    // A board grade replaced by typing, and a guess among four, which still schedules.
    log.push_back({"pair 1", log.back().day, Grade::Again, ReviewSource::Board, false});
    log.push_back({"pair 1", log.back().day, Grade::Good, ReviewSource::Choice});
    log.push_back({"pair 1", log.back().day, static_cast<Grade>(7)});
    const ReplayedLog replayed = ReplayReviews(log, fitted);
    ASSERT_EQ(replayed.before.size(), log.size());
    std::map<std::string, Schedule> expected;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const auto known = expected.find(log[i].pair);
        const std::optional<Schedule> before =
            known == expected.end() ? std::nullopt : std::optional(known->second);
        ASSERT_EQ(replayed.before[i].has_value(), before.has_value()) << i;
        if (before) {
            EXPECT_EQ(replayed.before[i]->due, before->due) << i;
            EXPECT_EQ(replayed.before[i]->memory.stability, before->memory.stability) << i;
        }
        if (log[i].counted && IsGrade(log[i].grade)) {
            expected.insert_or_assign(log[i].pair,
                                      Review(before, log[i].day, log[i].grade, fitted));
        }
    }
    ASSERT_EQ(replayed.schedules.size(), expected.size());
    for (const auto& [pair, schedule] : expected) {
        EXPECT_EQ(replayed.schedules.at(pair).due, schedule.due) << pair;
        EXPECT_EQ(replayed.schedules.at(pair).memory.difficulty, schedule.memory.difficulty);
        EXPECT_EQ(replayed.schedules.at(pair).reps, schedule.reps);
    }
    // Other weights give other schedules.
    EXPECT_NE(ReplayReviews(log, {}).schedules.at("pair 1").memory.stability,
              replayed.schedules.at("pair 1").memory.stability);
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
