#include "learning/memory_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// (rating, days since the review before) of a pair's reviews, then the days to the predicted.
struct History {
    const char* name;
    std::vector<std::pair<int, double>> reviews;
    double elapsed;
};

template <typename T> T PredictedRecall(const WeightsOf<T>& weights, const History& history) {
    const MemoryModel<T> model(weights);
    MemoryOf<T> memory = model.First(history.reviews[0].first);
    for (std::size_t i = 1; i < history.reviews.size(); ++i) {
        memory = model.Next(memory, history.reviews[i].second, history.reviews[i].first);
    }
    return model.Retrievability(history.elapsed, memory.stability);
}

TEST(MemoryModel, DualNumbersGiveTheGradientOfThePrediction) {
    const History histories[] = {
        {"good, hard, easy", {{3, 0}, {2, 3}, {4, 9}}, 20},
        {"a lapse after an easy start", {{4, 0}, {1, 2}, {3, 1}}, 6},
        {"a lapse long overdue keeps at most the stability before", {{1, 0}, {1, 100}}, 2},
        {"a second review on one day", {{3, 0}, {1, 0}, {3, 4}}, 5},
        {"easy until difficulty is at its least", {{4, 0}, {4, 8}, {4, 30}, {4, 90}}, 200},
    };
    using Differentiated = Dual<WeightCount>;
    WeightsOf<Differentiated> variables;
    for (std::size_t i = 0; i < WeightCount; ++i) {
        variables[i] = Differentiated::Variable(DefaultWeights[i], i);
    }
    for (const History& history : histories) {
        SCOPED_TRACE(history.name);
        const Differentiated recall = PredictedRecall(variables, history);
        EXPECT_DOUBLE_EQ(recall.value, PredictedRecall(DefaultWeights, history));
        for (std::size_t i = 0; i < WeightCount; ++i) {
            SCOPED_TRACE(i);
            const double step = 1e-6 * std::max(1.0, DefaultWeights[i]);
            MemoryWeights above = DefaultWeights;
            MemoryWeights below = DefaultWeights;
            above[i] += step;
            below[i] -= step;
            const double slope =
                (PredictedRecall(above, history) - PredictedRecall(below, history)) / (2 * step);
            EXPECT_NEAR(recall.slope[i], slope, 1e-6 + 1e-5 * std::abs(slope));
        }
    }
}

} // namespace
