#include "learning/memory_fit.h"
#include "support/simulated_learner.h"

#include <benchmark/benchmark.h>

namespace {

// 100,000 reviews of 5,000 pairs by a learner who forgets faster than the defaults expect, over
// three years.
std::vector<ReviewRecord> LearnersLog() {
    Learner learner;
    learner.memory = {0.2, 0.5, 1.0,  3.0, 7.5, 0.6, 2.0,    0.02,   1.2,    0.3, 1.0,
                      2.2, 0.1, 0.35, 1.9, 0.5, 2.2, 0.5425, 0.0912, 0.0658, 0.4};
    learner.pairs = 5000;
    learner.newPairsPerDay = 25;
    learner.days = 1100;
    learner.seed = 5;
    std::vector<ReviewRecord> log = SimulatedReviews(learner);
    log.resize(100'000);
    return log;
}

void FitTheMemoryModel(benchmark::State& run) {
    const std::vector<ReviewRecord> log = LearnersLog();
    std::int64_t reviews = 0;
    for (auto _ : run) {
        reviews = FitMemory(log, DefaultWeights)->reviews;
        benchmark::DoNotOptimize(reviews);
    }
    run.counters["reviews"] = static_cast<double>(log.size());
    run.counters["predicted"] = static_cast<double>(reviews);
}
BENCHMARK(FitTheMemoryModel)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
