#include "files/class_files.h"
#include "learning/memory_model.h"
#include "learning/results_file.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace std::chrono;

const Day Today = year(2026) / December / 7;
constexpr int Learners = 40;
constexpr int Pairs = 500;

// A learner's results for a list of 500 phrases, most pairs reviewed, written a few days ago.
LearnerResults Learner(int learner) {
    const MemoryModel<double> model(DefaultWeights);
    LearnerResults results{"Learner " + std::to_string(learner),
                           "French phrases, term 2",
                           "00112233aabbccdd",
                           Today - days(learner % 7),
                           DefaultWeights,
                           {}};
    for (int pair = 0; pair < Pairs; ++pair) {
        const int spread = (pair * 31 + learner * 17) % 97;
        PairResult result{"la phrase numéro " + std::to_string(pair),
                          "phrase number " + std::to_string(pair),
                          spread % 9,
                          spread % 4,
                          spread % 3,
                          spread % 5,
                          spread % 2,
                          std::nullopt};
        if (spread % 10 != 0) {
            const double stability = 0.5 + spread;
            const Day last = results.written - days(spread % 20);
            result.memory = PairMemoryResult{stability,
                                             1.0 + spread % 9,
                                             last,
                                             Grade::Good,
                                             last + days(1 + spread / 2),
                                             model.Retrievability(spread % 20, stability)};
        }
        results.pairs.push_back(std::move(result));
    }
    return results;
}

// Tools > Class Results on a folder of 40 files of 500 pairs: reading, checking and
// gathering them.
void GatherAClassFolder(benchmark::State& run) {
    const TempDir dir;
    for (int learner = 0; learner < Learners; ++learner) {
        std::ofstream((dir.path() / ("learner-" + std::to_string(learner) + ".json")).string())
            << ResultsFileText(Learner(learner));
    }
    std::size_t pairs = 0;
    for (auto _ : run) {
        ClassFiles files = ReadClassFiles({dir.path().string()});
        const ClassResults results = GatherClass(std::move(files.read), Today);
        pairs = results.pairs.size();
        benchmark::DoNotOptimize(pairs);
    }
    run.counters["pairs"] = static_cast<double>(pairs);
}
BENCHMARK(GatherAClassFolder)->Unit(benchmark::kMillisecond);

} // namespace
