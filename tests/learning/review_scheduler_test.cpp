#include "learning/review_scheduler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace std::chrono;

struct Step {
    Grade grade;
    int interval;
    double stability;
    double difficulty;
};

constexpr Grade Again = Grade::Again;
constexpr Grade Hard = Grade::Hard;
constexpr Grade Good = Grade::Good;
constexpr Grade Easy = Grade::Easy;

TEST(ReviewScheduler, ReviewsOnTheirDueDatesFollowTheReferenceVectors) {
    struct Case {
        const char* name;
        // Each review falls on the previous due date unless `sameDay` says otherwise.
        bool sameDay;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"good six times, again twice, good five times",
         false,
         {{Good, 3, 2.3065, 2.1181},
          {Good, 14, 13.8269, 2.1112},
          {Good, 57, 56.9567, 2.1043},
          {Good, 196, 196.2353, 2.0975},
          {Good, 586, 586.4835, 2.0906},
          {Good, 1559, 1559.3567, 2.0837},
          {Again, 10, 9.8832, 7.3832},
          {Again, 1, 1.3527, 9.1251},
          {Good, 3, 2.392, 9.1112},
          {Good, 5, 4.8562, 9.0973},
          {Good, 9, 8.7624, 9.0835},
          {Good, 15, 15.186, 9.0696},
          {Good, 25, 25.1362, 9.0558}}},
        {"again, then good four times",
         false,
         {{Again, 1, 0.212, 6.4133},
          {Good, 3, 1.8868, 6.4021},
          {Good, 8, 7.6382, 6.3909},
          {Good, 22, 21.6078, 6.3798},
          {Good, 54, 54.2589, 6.3686}}},
        {"easy, hard, good, good",
         false,
         {{Easy, 8, 8.2956, 1},
          {Hard, 27, 26.7042, 4.0106},
          {Good, 85, 85.3402, 4.0018},
          {Good, 238, 238.2962, 3.9931}}},
        {"good twice on one day", true, {{Good, 3, 2.3065, 2.1181}, {Good, 3, 2.3065, 2.1112}}},
        {"good then again on one day",
         true,
         {{Good, 3, 2.3065, 2.1181}, {Again, 1, 0.5234, 7.3945}}},
    };
    const Day start = year(2026) / December / 7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<Schedule> schedule;
        int reps = 0;
        for (const Step& step : c.steps) {
            const Day day = schedule && !c.sameDay ? schedule->due : start;
            SCOPED_TRACE(++reps);
            schedule = Review(schedule, day, step.grade);
            EXPECT_EQ((schedule->due - day).count(), step.interval);
            EXPECT_NEAR(schedule->memory.stability, step.stability, 0.0005);
            EXPECT_NEAR(schedule->memory.difficulty, step.difficulty, 0.0005);
            EXPECT_EQ(schedule->lastReview, day);
            EXPECT_EQ(schedule->reps, reps);
        }
    }
}

TEST(ReviewScheduler, AHigherRetentionBringsPairsBackSooner) {
    const Day day = year(2026) / December / 7;
    const Grade grades[] = {Good, Good, Again, Good, Hard, Easy, Good};
    // A retention outside 0.70 to 0.97 is taken at the nearer end; one that is not a number
    // is the default.
    const std::pair<double, double> sameAs[] = {{0.5, 0.7}, {1.0, 0.97}, {NAN, 0.9}};
    for (const auto& [given, taken] : sameAs) {
        EXPECT_EQ(Review(std::nullopt, day, Easy, {DefaultWeights, given}).due,
                  Review(std::nullopt, day, Easy, {DefaultWeights, taken}).due);
    }
    std::optional<Schedule> at80, at90, at97;
    int shorter = 0;
    int longer = 0;
    for (const Grade grade : grades) {
        at80 = Review(at80, at90 ? at90->due : day, grade, {DefaultWeights, 0.8});
        at97 = Review(at97, at90 ? at90->due : day, grade, {DefaultWeights, 0.97});
        at90 = Review(at90, at90 ? at90->due : day, grade);
        // The memory is the same: only when it is asked for again differs.
        EXPECT_EQ(at80->memory.stability, at90->memory.stability);
        EXPECT_EQ(at97->memory.difficulty, at90->memory.difficulty);
        EXPECT_LE(at97->due, at90->due);
        EXPECT_GE(at80->due, at90->due);
        shorter += at97->due < at90->due ? 1 : 0;
        longer += at80->due > at90->due ? 1 : 0;
    }
    EXPECT_GE(shorter, 5);
    EXPECT_GE(longer, 5);
}

TEST(ReviewScheduler, FittedWeightsScheduleByTheirOwnForgettingCurve) {
    const Day day = year(2026) / December / 7;
    MemoryWeights slow = DefaultWeights;
    slow[2] = 20;
    EXPECT_EQ((Review(std::nullopt, day, Good, {slow, 0.9}).due - day).count(), 20);
    EXPECT_EQ(IntervalDays(20, {slow, 0.9}), 20);
    // With more decay recall stays above 90 % longer and then falls faster.
    MemoryWeights steep = DefaultWeights;
    steep[20] = 0.8;
    EXPECT_LT(IntervalDays(100, {steep, 0.8}), IntervalDays(100, {DefaultWeights, 0.8}));
    EXPECT_GT(IntervalDays(100, {steep, 0.95}), IntervalDays(100, {DefaultWeights, 0.95}));
}

TEST(ReviewScheduler, LapsesCountAgainAfterAFirstReviewOnly) {
    const Day day = year(2026) / December / 7;
    Schedule schedule = Review(std::nullopt, day, Again);
    EXPECT_EQ(schedule.lapses, 0);
    schedule = Review(schedule, schedule.due, Good);
    schedule = Review(schedule, schedule.due, Again);
    EXPECT_EQ(schedule.lapses, 1);
}

TEST(ReviewScheduler, AStateThatCannotBeScheduledFromStartsAfresh) {
    const Day day = year(2026) / December / 7;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const MemoryState broken : {MemoryState{0, 5}, MemoryState{-3, 5}, MemoryState{nan, 5},
                                     MemoryState{2, 0}, MemoryState{2, infinity}}) {
        const Schedule schedule =
            Review(Schedule{broken, day - days(400), day - days(10), 7, 2}, day, Good);
        EXPECT_TRUE(Usable(schedule.memory));
        EXPECT_EQ((schedule.due - day).count(), 3);
        EXPECT_EQ(schedule.reps, 1);
    }
}

} // namespace
