#include "learning/review_load.h"

#include "learning/memory_model.h"

#include <numeric>

namespace {

// Branches less likely than this are not followed: they hardly change the count.
constexpr double LeastLikelyBranch = 1e-3;

struct Branch {
    Schedule schedule;
    Day due;
    double probability = 1;
};

} // namespace

std::vector<double> ExpectedReviews(const std::vector<Schedule>& pairs, Day today,
                                    const ReviewSettings& settings, int days) {
    std::vector<double> expected(static_cast<std::size_t>(std::max(days, 0)), 0.0);
    const MemoryModel<double> model(settings.weights);
    const Day end = today + std::chrono::days(days);
    std::vector<Branch> open;
    for (const Schedule& pair : pairs) {
        if (!Usable(pair.memory)) {
            continue;
        }
        // The retention decides when a pair comes back, whatever the due day it was given.
        const Day due =
            pair.lastReview + std::chrono::days(IntervalDays(pair.memory.stability, settings));
        open.push_back({pair, std::max(due, today), 1.0});
        while (!open.empty()) {
            const Branch branch = open.back();
            open.pop_back();
            if (branch.due >= end) {
                continue;
            }
            expected[static_cast<std::size_t>((branch.due - today).count())] += branch.probability;
            const double recall =
                model.Retrievability((branch.due - branch.schedule.lastReview).count(),
                                     branch.schedule.memory.stability);
            for (const auto& [grade, chance] :
                 {std::pair(Grade::Good, recall), std::pair(Grade::Again, 1 - recall)}) {
                if (branch.probability * chance >= LeastLikelyBranch) {
                    const Schedule next = Review(branch.schedule, branch.due, grade, settings);
                    open.push_back({next, next.due, branch.probability * chance});
                }
            }
        }
    }
    return expected;
}

double ExpectedReviewsPerDay(const std::vector<Schedule>& pairs, Day today,
                             const ReviewSettings& settings, int days) {
    const std::vector<double> expected = ExpectedReviews(pairs, today, settings, days);
    return expected.empty() ? 0 : std::accumulate(expected.begin(), expected.end(), 0.0) / days;
}
