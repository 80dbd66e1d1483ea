#include "learning/review_scheduler.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<double, 21> W{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                   0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                   1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double DesiredRetention = 0.9;
constexpr int MaximumInterval = 36500;
constexpr double MinimumStability = 0.001;

double Decay() {
    return -W[20];
}

// Chosen so that recall is 90 % after S days.
double Factor() {
    return std::pow(0.9, 1.0 / Decay()) - 1.0;
}

double Retrievability(double elapsedDays, double stability) {
    return std::pow(1.0 + Factor() * elapsedDays / stability, Decay());
}

int IntervalDays(double stability) {
    const double days = stability / Factor() * (std::pow(DesiredRetention, 1.0 / Decay()) - 1.0);
    return std::clamp(static_cast<int>(std::lround(days)), 1, MaximumInterval);
}

int Number(Grade grade) {
    return static_cast<int>(grade);
}

double UnclampedInitialDifficulty(Grade grade) {
    return W[4] - std::exp(W[5] * (Number(grade) - 1)) + 1.0;
}

double InitialDifficulty(Grade grade) {
    return std::clamp(UnclampedInitialDifficulty(grade), 1.0, 10.0);
}

double NextDifficulty(double difficulty, Grade grade) {
    const double damped = difficulty - W[6] * (Number(grade) - 3) * (10.0 - difficulty) / 9.0;
    // Mean reversion towards the difficulty of an Easy first review.
    const double reverted = W[7] * UnclampedInitialDifficulty(Grade::Easy) + (1.0 - W[7]) * damped;
    return std::clamp(reverted, 1.0, 10.0);
}

double StabilityAfterRecall(const MemoryState& memory, double recall, Grade grade) {
    const double hard = grade == Grade::Hard ? W[15] : 1.0;
    const double easy = grade == Grade::Easy ? W[16] : 1.0;
    const double growth = std::exp(W[8]) * (11.0 - memory.difficulty) *
                          std::pow(memory.stability, -W[9]) *
                          (std::exp(W[10] * (1.0 - recall)) - 1.0) * hard * easy;
    return memory.stability * (1.0 + growth);
}

double StabilityAfterLapse(const MemoryState& memory, double recall) {
    const double longTerm = W[11] * std::pow(memory.difficulty, -W[12]) *
                            (std::pow(memory.stability + 1.0, W[13]) - 1.0) *
                            std::exp(W[14] * (1.0 - recall));
    return std::min(longTerm, memory.stability / std::exp(W[17] * W[18]));
}

MemoryState Next(const std::optional<Schedule>& before, Day day, Grade grade) {
    if (!before) {
        return {W[static_cast<std::size_t>(Number(grade) - 1)], InitialDifficulty(grade)};
    }
    const MemoryState& memory = before->memory;
    const double elapsed = std::max(0, static_cast<int>((day - before->lastReview).count()));
    const double recall = Retrievability(elapsed, memory.stability);
    const double stability = grade == Grade::Again ? StabilityAfterLapse(memory, recall)
                                                   : StabilityAfterRecall(memory, recall, grade);
    return {std::max(stability, MinimumStability), NextDifficulty(memory.difficulty, grade)};
}

} // namespace

bool Usable(const MemoryState& memory) {
    return std::isfinite(memory.stability) && memory.stability >= MinimumStability &&
           std::isfinite(memory.difficulty) && memory.difficulty >= 1.0 &&
           memory.difficulty <= 10.0;
}

Schedule Review(const std::optional<Schedule>& before, Day day, Grade grade) {
    const std::optional<Schedule> known = before && Usable(before->memory) ? before : std::nullopt;
    // The four answers' intervals are kept apart, so a better answer never waits less.
    std::array<int, 4> intervals{};
    for (const Grade candidate : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
        intervals[static_cast<std::size_t>(Number(candidate) - 1)] =
            IntervalDays(Next(known, day, candidate).stability);
    }
    intervals[0] = std::min(intervals[0], intervals[1]);
    for (std::size_t i = 1; i < intervals.size(); ++i) {
        intervals[i] = std::max(intervals[i], intervals[i - 1] + 1);
    }
    Schedule after;
    after.memory = Next(known, day, grade);
    after.lastReview = day;
    after.due = day + std::chrono::days(std::min(
                          intervals[static_cast<std::size_t>(Number(grade) - 1)], MaximumInterval));
    after.reps = known ? known->reps + 1 : 1;
    after.lapses = (known ? known->lapses : 0) + (known && grade == Grade::Again ? 1 : 0);
    return after;
}
