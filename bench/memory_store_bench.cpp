#include "learning/memory_fit.h"
#include "learning/sqlite_progress_store.h"
#include "support/recorded_reviews.h"
#include "support/simulated_learner.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

// A fit adopted in a progress database of 100,000 reviews of 5,000 pairs: every schedule and
// every logged starting state is replayed with its weights, in one transaction.
void AdoptAFit(benchmark::State& run) {
    Learner learner;
    learner.pairs = 5000;
    learner.newPairsPerDay = 25;
    learner.days = 1100;
    learner.seed = 5;
    std::vector<ReviewRecord> log = SimulatedReviews(learner);
    log.resize(100'000);
    const TempDir dir;
    SqliteProgressStore store((dir.path() / "progress.sqlite").string());
    if (!RecordReviews(store, log)) {
        run.SkipWithError("the log was not kept");
        return;
    }
    MemoryFit fit;
    fit.reviews = static_cast<std::int64_t>(log.size());
    fit.before = PredictionScore{0.40, 0.08};
    fit.fitted = PredictionScore{0.35, 0.05};
    std::int64_t fittedAt = 0;
    for (auto _ : run) {
        // Weights that differ each time, so that every schedule is rewritten.
        fit.weights[0] = 0.2 + 0.01 * static_cast<double>(fittedAt % 10);
        benchmark::DoNotOptimize(store.KeepFit(fit, ++fittedAt));
    }
    run.counters["reviews"] = static_cast<double>(log.size());
}
BENCHMARK(AdoptAFit)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
