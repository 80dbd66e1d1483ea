#include "learning/memory_fit.h"

#include "learning/fit_selection.h"
#include "learning/initial_stability.h"
#include "learning/memory_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <span>

namespace {

constexpr std::size_t FewestToFit = 8;
constexpr std::size_t FewestToTrain = 64;
// Reviews of one pair, the predicted one included; longer histories are not trained on.
constexpr std::size_t LongestTrainedHistory = 256;
constexpr int Epochs = 5;
constexpr std::size_t BatchSize = 512;
constexpr double LearningRate = 0.04;
constexpr std::uint64_t ShuffleSeed = 2023;

// The weights training moves: difficulty, stability after a review and the decay. w0–w3 come
// from the first intervals alone, and w17–w19 only matter to short-term scheduling.
constexpr std::array<std::size_t, 14> TrainedWeights{4,  5,  6,  7,  8,  9,  10,
                                                     11, 12, 13, 14, 15, 16, 20};
using Gradient = std::array<double, TrainedWeights.size()>;
using Differentiated = Dual<TrainedWeights.size()>;

// How far each weight lies from its default among learners: the pull towards the defaults is
// scaled by 1/σ², so a weight that varies little is held closer.
constexpr MemoryWeights Spread{6.43, 9.66, 17.58, 27.85, 0.57, 0.28, 0.6,  0.12, 0.39, 0.18, 0.33,
                               0.3,  0.09, 0.16,  0.57,  0.25, 1.03, 0.31, 0.32, 0.14, 0.27};

// Keeps log(0) out of the loss; beyond it a prediction no longer moves the weights.
constexpr double SurestPrediction = 1e-7;

struct WeightedItem {
    MemoryItem item;
    double weight = 0;
};

bool Recalled(const MemoryItems& items, const MemoryItem& item) {
    return items.Predicted(item).rating > 1;
}

double CrossEntropy(double predicted, bool recalled) {
    const double p = std::clamp(predicted, SurestPrediction, 1.0 - SurestPrediction);
    return -std::log(recalled ? p : 1.0 - p);
}

// Σ (w − w₀)²/σ², the pull towards the starting weights.
double Pull(const MemoryWeights& weights, const MemoryWeights& start) {
    double pull = 0;
    for (const std::size_t i : TrainedWeights) {
        pull += (weights[i] - start[i]) * (weights[i] - start[i]) / (Spread[i] * Spread[i]);
    }
    return pull;
}

// The gradient of the batch's summed, weighted cross entropy along the trained weights.
Gradient BatchGradient(const MemoryItems& items, std::span<const WeightedItem> batch,
                       const MemoryWeights& weights) {
    WeightsOf<Differentiated> variables;
    for (std::size_t i = 0; i < WeightCount; ++i) {
        variables[i] = Differentiated(weights[i]);
    }
    for (std::size_t k = 0; k < TrainedWeights.size(); ++k) {
        variables[TrainedWeights[k]] = Differentiated::Variable(weights[TrainedWeights[k]], k);
    }
    const MemoryModel<Differentiated> model(variables);
    Gradient gradient{};
    for (const WeightedItem& each : batch) {
        const std::span<const PairReview> history = items.History(each.item);
        MemoryOf<Differentiated> memory = model.First(history[0].rating);
        for (std::size_t i = 1; i < history.size(); ++i) {
            memory = model.Next(memory, history[i].elapsedDays, history[i].rating);
        }
        const Differentiated recall =
            model.Retrievability(items.Predicted(each.item).elapsedDays, memory.stability);
        const double p = recall.value;
        if (p <= SurestPrediction || p >= 1.0 - SurestPrediction) {
            continue;
        }
        const double slope = Recalled(items, each.item) ? -1.0 / p : 1.0 / (1.0 - p);
        for (std::size_t k = 0; k < gradient.size(); ++k) {
            gradient[k] += each.weight * slope * recall.slope[k];
        }
    }
    return gradient;
}

// The training loss of the whole set per item, which picks the best epoch.
double SetLoss(const MemoryItems& items, const std::vector<WeightedItem>& set,
               const MemoryWeights& weights, const MemoryWeights& start) {
    const std::vector<double> recall = PredictedRecall(items, weights);
    double loss = Pull(weights, start);
    for (const WeightedItem& each : set) {
        loss += each.weight *
                CrossEntropy(recall[items.ReviewIndex(each.item)], Recalled(items, each.item));
    }
    return loss / static_cast<double>(set.size());
}

// Adam with β₁ 0.9, β₂ 0.999 and ε 1e-8.
class Adam {
public:
    void Step(MemoryWeights& weights, const Gradient& gradient, double rate) {
        ++steps_;
        const double firstCorrection = 1 - std::pow(0.9, steps_);
        const double secondCorrection = 1 - std::pow(0.999, steps_);
        for (std::size_t k = 0; k < gradient.size(); ++k) {
            first_[k] = 0.9 * first_[k] + 0.1 * gradient[k];
            second_[k] = 0.999 * second_[k] + 0.001 * gradient[k] * gradient[k];
            weights[TrainedWeights[k]] -= rate * (first_[k] / firstCorrection) /
                                          (std::sqrt(second_[k] / secondCorrection) + 1e-8);
        }
    }

private:
    int steps_ = 0;
    Gradient first_{};
    Gradient second_{};
};

// Trains from `start` on the items of `training` (in order of time); nullopt when stopped.
std::optional<MemoryWeights> Train(const MemoryItems& items,
                                   const std::vector<std::size_t>& training,
                                   const MemoryWeights& start, const FitProgress& progress) {
    std::vector<WeightedItem> set;
    for (std::size_t i = 0; i < training.size(); ++i) {
        const MemoryItem& item = items.Items()[training[i]];
        if (item.position + 1 <= LongestTrainedHistory) {
            set.push_back({item, RecencyWeight(i, training.size())});
        }
    }
    // Batches of items with histories of about one length.
    std::vector<WeightedItem> byLength = set;
    std::stable_sort(byLength.begin(), byLength.end(),
                     [](const WeightedItem& a, const WeightedItem& b) {
                         return a.item.position < b.item.position;
                     });
    std::vector<std::span<const WeightedItem>> batches;
    for (std::size_t first = 0; first < byLength.size(); first += BatchSize) {
        batches.push_back(
            std::span(byLength).subspan(first, std::min(BatchSize, byLength.size() - first)));
    }
    const auto total = static_cast<double>(set.size());
    // Cosine annealing over as many steps as the batches would take with one more each epoch.
    const double annealingSteps = static_cast<double>((set.size() / BatchSize + 1) * Epochs);
    std::mt19937_64 random(ShuffleSeed);
    std::vector<std::size_t> order(batches.size());
    Adam adam;
    MemoryWeights weights = start;
    MemoryWeights best = start;
    double bestLoss = INFINITY;
    std::int64_t step = 0;
    std::int64_t done = 0;
    const auto allSteps = static_cast<std::int64_t>(set.size()) * Epochs;
    for (int epoch = 0; epoch < Epochs; ++epoch) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        for (std::size_t i = order.size(); i > 1; --i) {
            std::swap(order[i - 1], order[random() % i]);
        }
        for (const std::size_t b : order) {
            const std::span<const WeightedItem> batch = batches[b];
            Gradient gradient = BatchGradient(items, batch, weights);
            const double share = static_cast<double>(batch.size()) / total;
            for (std::size_t k = 0; k < gradient.size(); ++k) {
                const std::size_t i = TrainedWeights[k];
                gradient[k] += 2 * (weights[i] - start[i]) / (Spread[i] * Spread[i]) * share;
            }
            ++step;
            const double rate =
                LearningRate / 2 *
                (1 + std::cos(std::numbers::pi * static_cast<double>(step) / annealingSteps));
            adam.Step(weights, gradient, rate);
            weights = ClippedWeights(weights);
            done += static_cast<std::int64_t>(batch.size());
            if (progress && !progress(done, allSteps)) {
                return std::nullopt;
            }
        }
        const double loss = SetLoss(items, set, weights, start);
        if (loss < bestLoss) {
            bestLoss = loss;
            best = weights;
        }
    }
    return best;
}

double AverageRecall(const MemoryItems& items, const std::vector<std::size_t>& chosen) {
    double recalled = 0;
    for (const std::size_t i : chosen) {
        recalled += Recalled(items, items.Items()[i]) ? 1 : 0;
    }
    return chosen.empty() ? 0 : recalled / static_cast<double>(chosen.size());
}

} // namespace

bool MemoryFit::Better() const {
    return fitted && before && fitted->logLoss < before->logLoss;
}

std::optional<MemoryFit> FitMemory(const std::vector<ReviewRecord>& log,
                                   const MemoryWeights& current, const FitProgress& progress) {
    const MemoryItems items(log);
    const FitSelection selection = SelectFitItems(items);
    MemoryFit fit;
    if (selection.training.size() >= FewestToFit) {
        fit.stage = FitStage::InitialStabilities;
        const std::optional<std::array<double, 4>> initial = InitialStabilities(
            items, selection.firstIntervals, AverageRecall(items, selection.training));
        if (initial) {
            std::copy(initial->begin(), initial->end(), fit.weights.begin());
        }
    }
    if (selection.training.size() >= FewestToTrain &&
        selection.training.size() > selection.firstIntervals.size()) {
        const std::optional<MemoryWeights> trained =
            Train(items, selection.training, fit.weights, progress);
        if (!trained) {
            return std::nullopt;
        }
        fit.weights = *trained;
        fit.stage = FitStage::Trained;
    }
    fit.reviews = static_cast<std::int64_t>(selection.judged.size());
    fit.items = static_cast<std::int64_t>(items.Items().size());
    fit.before = ScorePredictions(items, selection.judged, current);
    fit.defaults = ScorePredictions(items, selection.judged, DefaultWeights);
    fit.fitted = ScorePredictions(items, selection.judged, fit.weights);
    return fit;
}
