#include "learning/prediction_score.h"

#include "learning/memory_model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Keeps log(0) out of the loss.
constexpr double SurestPrediction = 1e-7;

double Clamped(double recall) {
    return std::clamp(recall, SurestPrediction, 1.0 - SurestPrediction);
}

// base^floor(log_base(x)) scaled and rounded: bins that widen as x grows.
int LogBin(double x, double base, double scale) {
    return static_cast<int>(
        std::lround(scale * std::pow(base, std::floor(std::log(x) / std::log(base)))));
}

using Bin = std::tuple<int, int, int>;

Bin BinOf(const MemoryItems& items, const MemoryItem& item) {
    const PairReview& predicted = items.Predicted(item);
    const int lapses = items.History(item).back().lapsesSoFar;
    return {LogBin(predicted.elapsedDays, 3.62, 248),
            LogBin(predicted.longTermSoFar + 1.0, 1.89, 1.99),
            lapses == 0 ? 0 : LogBin(lapses, 1.73, 1.65)};
}

struct BinTotals {
    double predicted = 0;
    double recalled = 0;
    double count = 0;
    double weight = 0;
};

} // namespace

double RecencyWeight(std::size_t index, std::size_t count) {
    const double last = count > 1 ? static_cast<double>(count - 1) : 1.0;
    return 0.25 + 0.75 * std::pow(static_cast<double>(index) / last, 3);
}

std::vector<double> PredictedRecall(const MemoryItems& items, const MemoryWeights& weights) {
    const MemoryModel<double> model(weights);
    std::vector<double> recall;
    for (std::size_t pair = 0; pair < items.PairCount(); ++pair) {
        const std::span<const PairReview> reviews = items.PairReviews(pair);
        MemoryOf<double> memory = model.First(reviews[0].rating);
        recall.push_back(1.0);
        for (std::size_t i = 1; i < reviews.size(); ++i) {
            recall.push_back(model.Retrievability(reviews[i].elapsedDays, memory.stability));
            memory = model.Next(memory, reviews[i].elapsedDays, reviews[i].rating);
        }
    }
    return recall;
}

std::optional<PredictionScore> ScorePredictions(const MemoryItems& items,
                                                const std::vector<std::size_t>& judged,
                                                const MemoryWeights& weights) {
    if (judged.empty()) {
        return std::nullopt;
    }
    const std::vector<double> recall = PredictedRecall(items, weights);
    double loss = 0;
    double totalWeight = 0;
    std::map<Bin, BinTotals> bins;
    for (std::size_t i = 0; i < judged.size(); ++i) {
        const MemoryItem& item = items.Items()[judged[i]];
        const double predicted = Clamped(recall[items.ReviewIndex(item)]);
        const bool recalled = items.Predicted(item).rating > 1;
        const double weight = RecencyWeight(i, judged.size());
        loss -= weight * std::log(recalled ? predicted : 1.0 - predicted);
        totalWeight += weight;
        BinTotals& bin = bins[BinOf(items, item)];
        bin.predicted += predicted;
        bin.recalled += recalled ? 1.0 : 0.0;
        bin.count += 1;
        bin.weight += weight;
    }
    double squares = 0;
    for (const auto& [key, bin] : bins) {
        const double gap = (bin.predicted - bin.recalled) / bin.count;
        squares += gap * gap * bin.weight;
    }
    return PredictionScore{loss / totalWeight, std::sqrt(squares / totalWeight)};
}
