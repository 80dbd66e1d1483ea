#pragma once

#include "learning/memory_items.h"
#include "learning/memory_weights.h"

#include <cstddef>
#include <optional>
#include <vector>

// How well a set of weights predicts reviews, lower being better: the log loss (binary cross
// entropy of the predicted recall), and the RMSE over bins of similar reviews (same interval,
// same number of reviews, same number of lapses, roughly) of predicted against actual recall.
// Later reviews weigh more, from 0.25 for the first to 1 for the last, as when fitting.
struct PredictionScore {
    double logLoss = 0;
    double rmseBins = 0;
};

// The weight of the `index`th of `count` items: recent reviews say more of the learner now.
double RecencyWeight(std::size_t index, std::size_t count);

// The chance of recall the weights give each review of `items`, pair after pair, as
// ReviewIndex counts them (1 for each pair's first review).
std::vector<double> PredictedRecall(const MemoryItems& items, const MemoryWeights& weights);

// The score on the items `judged` (indices into items.Items(), in order of time); nullopt when
// there are none.
std::optional<PredictionScore> ScorePredictions(const MemoryItems& items,
                                                const std::vector<std::size_t>& judged,
                                                const MemoryWeights& weights);
