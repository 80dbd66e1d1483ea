#pragma once

#include <array>
#include <cstddef>

// The 21 weights of the FSRS-6 memory model: w0–w3 the stability after a first Again, Hard,
// Good or Easy; w4–w7 difficulty; w8–w16 stability after a review; w17–w19 same-day reviews
// and the floor after a lapse; w20 the decay of the forgetting curve.
inline constexpr std::size_t WeightCount = 21;
template <typename T> using WeightsOf = std::array<T, WeightCount>;
using MemoryWeights = WeightsOf<double>;

// The average learner's weights.
inline constexpr MemoryWeights DefaultWeights{
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

struct WeightRange {
    double low;
    double high;
};

// What each weight may be: outside these the model stops making sense (a lapse that
// strengthens memory, a forgetting curve that never falls).
inline constexpr std::array<WeightRange, WeightCount> WeightRanges{
    {{0.001, 100},  {0.001, 100},  {0.001, 100}, {0.001, 100}, {1, 10},      {0.001, 4},
     {0.001, 4},    {0.001, 0.75}, {0, 4.5},     {0, 0.8},     {0.001, 3.5}, {0.001, 5},
     {0.001, 0.25}, {0.001, 0.9},  {0, 4},       {0, 1},       {1, 6},       {0, 2},
     {0, 2},        {0, 0.8},      {0.1, 0.8}}};

// Each weight brought into its range; one that is not a number becomes the default, so that
// weights read back from a file always schedule.
MemoryWeights ClippedWeights(const MemoryWeights& weights);
