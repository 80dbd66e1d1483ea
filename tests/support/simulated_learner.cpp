#include "support/simulated_learner.h"

#include "learning/memory_model.h"

#include <optional>
#include <random>

namespace {

struct LearnedPair {
    MemoryOf<double> truth{};
    std::optional<Schedule> schedule;
};

// Recalled pairs are mostly Good; forgotten ones Again.
Grade GradeOf(bool recalled, double draw) {
    if (!recalled) {
        return Grade::Again;
    }
    return draw < 0.1 ? Grade::Hard : draw < 0.9 ? Grade::Good : Grade::Easy;
}

} // namespace

std::vector<ReviewRecord> SimulatedReviews(const Learner& learner) {
    using namespace std::chrono;
    const MemoryModel<double> model(learner.memory);
    std::mt19937 random(learner.seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::vector<LearnedPair> pairs;
    std::vector<ReviewRecord> log;
    const Day start = year(2026) / December / 1;
    const auto review = [&](std::size_t index, Day day, Grade grade) {
        LearnedPair& pair = pairs[index];
        const int rating = static_cast<int>(grade);
        pair.truth = pair.schedule
                         ? model.Next(pair.truth, (day - pair.schedule->lastReview).count(), rating)
                         : model.First(rating);
        pair.schedule = Review(pair.schedule, day, grade);
        log.push_back({"pair " + std::to_string(index), day, grade});
    };
    for (int d = 0; d < learner.days; ++d) {
        const Day day = start + days(d);
        if (chance(random) < learner.dayOff) {
            continue;
        }
        const std::size_t met = pairs.size();
        for (std::size_t i = 0; i < met; ++i) {
            const LearnedPair& pair = pairs[i];
            if (pair.schedule->due > day) {
                continue;
            }
            const double elapsed = (day - pair.schedule->lastReview).count();
            const bool recalled =
                chance(random) < model.Retrievability(elapsed, pair.truth.stability);
            review(i, day, GradeOf(recalled, chance(random)));
            if (chance(random) < learner.sameDayAgain) {
                review(i, day, chance(random) < 0.1 ? Grade::Again : Grade::Good);
            }
        }
        for (int n = 0;
             n < learner.newPairsPerDay && static_cast<int>(pairs.size()) < learner.pairs; ++n) {
            pairs.emplace_back();
            // A new pair is sometimes already known.
            const bool known = chance(random) > 0.25;
            review(pairs.size() - 1, day, GradeOf(known, chance(random)));
        }
    }
    return log;
}
