#pragma once

#include "learning/memory_items.h"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// The stabilities after a first Again, Hard, Good and Easy (w0–w3) that best explain how often
// pairs were recalled at their first interval. Each first rating's recall rates by gap are
// smoothed towards `averageRecall`, and its stability is pulled a little towards the default;
// a better rating never gets less stability, and a rating without data gets one from its
// neighbours. Nullopt without any first interval.
std::optional<std::array<double, 4>>
InitialStabilities(const MemoryItems& items, const std::vector<std::size_t>& firstIntervals,
                   double averageRecall);
