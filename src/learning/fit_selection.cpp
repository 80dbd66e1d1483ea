#include "learning/fit_selection.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace {

bool PredictsFirstInterval(const MemoryItems& items, const MemoryItem& item) {
    return items.Predicted(item).longTermSoFar == 1;
}

int LongestKeptGap(int firstRating) {
    return firstRating == 4 ? 365 : 100;
}

} // namespace

FitSelection SelectFitItems(const MemoryItems& items) {
    // First rating -> gap -> the items with them.
    std::map<int, std::map<int, std::vector<std::size_t>>> groups;
    for (std::size_t i = 0; i < items.Items().size(); ++i) {
        const MemoryItem& item = items.Items()[i];
        if (PredictsFirstInterval(items, item)) {
            groups[items.First(item).rating][items.Predicted(item).elapsedDays].push_back(i);
        }
    }
    FitSelection selection;
    std::set<std::pair<int, int>> dropped;
    for (const auto& [rating, byGap] : groups) {
        // Smallest groups first, shorter gaps first among groups of one size.
        std::vector<std::pair<int, const std::vector<std::size_t>*>> ordered;
        std::size_t total = 0;
        for (const auto& [gap, members] : byGap) {
            ordered.emplace_back(gap, &members);
            total += members.size();
        }
        std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
            return a.second->size() < b.second->size();
        });
        const std::size_t toDrop = std::max<std::size_t>(20, total / 20);
        std::size_t droppedItems = 0;
        for (const auto& [gap, members] : ordered) {
            if (droppedItems + members->size() < toDrop) {
                droppedItems += members->size();
                dropped.insert({rating, gap});
            } else if (members->size() >= 6 && gap <= LongestKeptGap(rating)) {
                selection.firstIntervals.insert(selection.firstIntervals.end(), members->begin(),
                                                members->end());
            } else {
                dropped.insert({rating, gap});
            }
        }
    }
    for (std::size_t i = 0; i < items.Items().size(); ++i) {
        const MemoryItem& item = items.Items()[i];
        if (!dropped.contains({items.First(item).rating, items.FirstLongTerm(item).elapsedDays})) {
            selection.training.push_back(i);
        }
    }
    selection.judged = selection.firstIntervals;
    for (const std::size_t i : selection.training) {
        if (!PredictsFirstInterval(items, items.Items()[i])) {
            selection.judged.push_back(i);
        }
    }
    return selection;
}
