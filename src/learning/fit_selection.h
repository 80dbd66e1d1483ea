#pragma once

#include "learning/memory_items.h"

#include <cstddef>
#include <vector>

// The items a fit learns from and is judged on. Pairs are grouped by their first rating and
// the gap to their next review a day or more later; rare groups are dropped (the smallest until
// 5 % of the group's items, 20 at least, are gone, any under 6 items, gaps over 100 days, or
// 365 after Easy), since a handful of odd first intervals would skew the initial stabilities.
struct FitSelection {
    // Indices into the items of those predicting a pair's first interval, group by group.
    std::vector<std::size_t> firstIntervals;
    // Every item of a kept pair, in the items' order.
    std::vector<std::size_t> training;
    // What a set of weights is judged on: the first intervals, then the other training items.
    std::vector<std::size_t> judged;
};

FitSelection SelectFitItems(const MemoryItems& items);
