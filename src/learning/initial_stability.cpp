#include "learning/initial_stability.h"

#include "learning/memory_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

struct GapRecall {
    double gap = 0;
    double recall = 0;
    double count = 0;
};

constexpr double LargestInitialStability = 100;
// Recall rates from a few pairs are pulled towards the average of all.
constexpr double SmoothingReviews = 1;

// The cross entropy of the recall rates against the forgetting curve at `stability`, plus a
// pull towards the default.
double Loss(const MemoryModel<double>& model, const std::vector<GapRecall>& points,
            double stability, double defaultStability) {
    double loss = std::abs(stability - defaultStability) / 16.0;
    for (const GapRecall& point : points) {
        const double predicted = model.Retrievability(point.gap, stability);
        loss -= point.count *
                (point.recall * std::log(predicted) + (1 - point.recall) * std::log(1 - predicted));
    }
    return loss;
}

// The stability with the least loss, by ternary search: the loss has one minimum.
double BestStability(const MemoryModel<double>& model, const std::vector<GapRecall>& points,
                     double defaultStability) {
    double low = MinimumStability;
    double high = LargestInitialStability;
    for (int step = 0; step < 1000 && high - low > std::numeric_limits<double>::epsilon(); ++step) {
        const double third = (high - low) / 3;
        if (Loss(model, points, low + third, defaultStability) <
            Loss(model, points, high - third, defaultStability)) {
            high -= third;
        } else {
            low += third;
        }
    }
    return (low + high) / 2;
}

// log S between neighbouring ratings: S(Hard) = S(Again)^a S(Good)^(1-a) and
// S(Good) = S(Hard)^(1-b) S(Easy)^b.
constexpr double HardBetween = 0.41;
constexpr double GoodBetween = 0.54;

// Fills in the ratings without data from those with, in log space, through the two relations
// above: one missing rating from the relation it appears in with two known, two missing from
// both relations at once.
void FillMissing(std::array<std::optional<double>, 4>& logStability) {
    // Each relation as coefficients c with c · log S = 0.
    const std::array<std::array<double, 4>, 2> relations{
        {{HardBetween, -1, 1 - HardBetween, 0}, {0, 1 - GoodBetween, -1, GoodBetween}}};
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!logStability[i]) {
            missing.push_back(i);
        }
    }
    // The part of relation r that the known ratings make.
    const auto knownPart = [&](std::size_t r) {
        double sum = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            sum += logStability[i] ? relations[r][i] * *logStability[i] : 0.0;
        }
        return sum;
    };
    if (missing.size() == 1) {
        const std::size_t m = missing[0];
        const std::size_t r = m < 2 ? 0 : 1;
        logStability[m] = -knownPart(r) / relations[r][m];
    } else if (missing.size() == 2) {
        const std::size_t a = missing[0];
        const std::size_t b = missing[1];
        const double determinant =
            relations[0][a] * relations[1][b] - relations[0][b] * relations[1][a];
        const double k0 = -knownPart(0);
        const double k1 = -knownPart(1);
        logStability[a] = (k0 * relations[1][b] - relations[0][b] * k1) / determinant;
        logStability[b] = (relations[0][a] * k1 - k0 * relations[1][a]) / determinant;
    }
}

} // namespace

std::optional<std::array<double, 4>>
InitialStabilities(const MemoryItems& items, const std::vector<std::size_t>& firstIntervals,
                   double averageRecall) {
    // First rating -> gap -> recalled and count.
    std::map<int, std::map<int, std::pair<double, double>>> recalls;
    for (const std::size_t index : firstIntervals) {
        const MemoryItem& item = items.Items()[index];
        auto& [recalled, count] =
            recalls[items.First(item).rating][items.Predicted(item).elapsedDays];
        recalled += items.Predicted(item).rating > 1 ? 1 : 0;
        count += 1;
    }
    if (recalls.empty()) {
        return std::nullopt;
    }
    const MemoryModel<double> model(DefaultWeights);
    std::array<std::optional<double>, 4> stability;
    std::array<double, 4> reviews{};
    for (const auto& [rating, byGap] : recalls) {
        const auto r = static_cast<std::size_t>(rating - 1);
        std::vector<GapRecall> points;
        for (const auto& [gap, counts] : byGap) {
            const auto [recalled, count] = counts;
            points.push_back(
                {static_cast<double>(gap),
                 (recalled + averageRecall * SmoothingReviews) / (count + SmoothingReviews),
                 count});
            reviews[r] += count;
        }
        stability[r] = BestStability(model, points, DefaultWeights[r]);
    }
    // A better first rating never leaves a weaker memory; the rating with more data wins.
    constexpr std::array<std::pair<std::size_t, std::size_t>, 6> orders{
        {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {1, 3}, {0, 3}}};
    for (const auto& [worse, better] : orders) {
        if (stability[worse] && stability[better] && *stability[worse] > *stability[better]) {
            if (reviews[worse] > reviews[better]) {
                stability[better] = stability[worse];
            } else {
                stability[worse] = stability[better];
            }
        }
    }
    std::array<double, 4> result{};
    if (recalls.size() == 1) {
        // One rating alone scales them all.
        const std::size_t known = static_cast<std::size_t>(recalls.begin()->first - 1);
        for (std::size_t r = 0; r < 4; ++r) {
            result[r] = DefaultWeights[r] * *stability[known] / DefaultWeights[known];
        }
    } else {
        std::array<std::optional<double>, 4> logStability;
        for (std::size_t r = 0; r < 4; ++r) {
            if (stability[r]) {
                logStability[r] = std::log(*stability[r]);
            }
        }
        FillMissing(logStability);
        for (std::size_t r = 0; r < 4; ++r) {
            result[r] = std::exp(*logStability[r]);
        }
    }
    for (double& s : result) {
        s = std::clamp(s, MinimumStability, LargestInitialStability);
    }
    return result;
}
