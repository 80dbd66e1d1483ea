#include "learning/memory_weights.h"

#include <algorithm>
#include <cmath>

MemoryWeights ClippedWeights(const MemoryWeights& weights) {
    MemoryWeights clipped{};
    for (std::size_t i = 0; i < WeightCount; ++i) {
        const double weight = std::isfinite(weights[i]) ? weights[i] : DefaultWeights[i];
        clipped[i] = std::clamp(weight, WeightRanges[i].low, WeightRanges[i].high);
    }
    return clipped;
}
