#include "learning/review_scheduler.h"

#include "learning/memory_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int MaximumInterval = 36500;

int Number(Grade grade) {
    return static_cast<int>(grade);
}

int RoundedInterval(double days) {
    return std::clamp(static_cast<int>(std::lround(std::min(days, double{MaximumInterval}))), 1,
                      MaximumInterval);
}

MemoryState Next(const MemoryModel<double>& model, const std::optional<Schedule>& before, Day day,
                 Grade grade) {
    if (!before) {
        const MemoryOf<double> first = model.First(Number(grade));
        return {first.stability, first.difficulty};
    }
    const double elapsed = std::max(0, static_cast<int>((day - before->lastReview).count()));
    const MemoryOf<double> next =
        model.Next({before->memory.stability, before->memory.difficulty}, elapsed, Number(grade));
    return {next.stability, next.difficulty};
}

double Retention(const ReviewSettings& settings) {
    return std::isfinite(settings.retention)
               ? std::clamp(settings.retention, MinimumRetention, MaximumRetention)
               : DefaultRetention;
}

} // namespace

bool Usable(const MemoryState& memory) {
    return std::isfinite(memory.stability) && memory.stability >= MinimumStability &&
           std::isfinite(memory.difficulty) && memory.difficulty >= MinimumDifficulty &&
           memory.difficulty <= MaximumDifficulty;
}

int IntervalDays(double stability, const ReviewSettings& settings) {
    const MemoryModel<double> model(settings.weights);
    return RoundedInterval(model.DaysUntil(Retention(settings), stability));
}

Schedule Review(const std::optional<Schedule>& before, Day day, Grade grade,
                const ReviewSettings& settings) {
    const MemoryModel<double> model(settings.weights);
    const double retention = Retention(settings);
    const std::optional<Schedule> known = before && Usable(before->memory) ? before : std::nullopt;
    // The four answers' intervals are kept apart, so a better answer never waits less.
    std::array<int, 4> intervals{};
    for (const Grade candidate : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy}) {
        intervals[static_cast<std::size_t>(Number(candidate) - 1)] = RoundedInterval(
            model.DaysUntil(retention, Next(model, known, day, candidate).stability));
    }
    intervals[0] = std::min(intervals[0], intervals[1]);
    for (std::size_t i = 1; i < intervals.size(); ++i) {
        intervals[i] = std::max(intervals[i], intervals[i - 1] + 1);
    }
    Schedule after;
    after.memory = Next(model, known, day, grade);
    after.lastReview = day;
    after.due = day + std::chrono::days(std::min(
                          intervals[static_cast<std::size_t>(Number(grade) - 1)], MaximumInterval));
    after.reps = known ? known->reps + 1 : 1;
    after.lapses = (known ? known->lapses : 0) + (known && grade == Grade::Again ? 1 : 0);
    return after;
}
