#pragma once

#include "learning/memory_weights.h"
#include "learning/prediction_score.h"
#include "learning/review_record.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// How far a fit could go with the reviews it had.
enum class FitStage {
    // Under 8 reviews to learn from: the default weights.
    Defaults,
    // Under 64: the defaults with the initial stabilities fitted.
    InitialStabilities,
    // Every weight the learner's reviews can say something of.
    Trained,
};

struct MemoryFit {
    MemoryWeights weights = DefaultWeights;
    FitStage stage = FitStage::Defaults;
    // How many reviews the weights were judged on.
    std::int64_t reviews = 0;
    // How many reviews of the log the model could be asked to predict, rare first intervals
    // included: what the learner has done since a fit is counted in them.
    std::int64_t items = 0;
    // How well the weights in use before the fit, the default ones and the fitted ones predict
    // the reviews judged; nullopt without any.
    std::optional<PredictionScore> before;
    std::optional<PredictionScore> defaults;
    std::optional<PredictionScore> fitted;

    // True when the fitted weights predict the learner's reviews better than those in use, and
    // so should replace them.
    bool Better() const;
};

// Hears how far a fit is, in steps done out of all; returning false stops the fit.
using FitProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Fits the memory model to a learner's review log, the way the reference optimiser does:
// initial stabilities from the first intervals' recall rates, then 5 epochs of Adam on the
// recency-weighted cross entropy with a pull towards the defaults. Long-term scheduling only:
// w0–w3 keep their fitted initial values and w17–w19 their defaults. `current` are the weights
// in use, judged beside the fitted ones. Deterministic; nullopt when `progress` stopped it.
std::optional<MemoryFit> FitMemory(const std::vector<ReviewRecord>& log,
                                   const MemoryWeights& current, const FitProgress& progress = {});
