#include "game/empty_cell_finder.h"

#include <numeric>

EmptyCellFinder::EmptyCellFinder(std::int32_t cellCount)
    : next_(static_cast<std::size_t>(cellCount) + 1) {
    std::iota(next_.begin(), next_.end(), 0);
}

std::int32_t EmptyCellFinder::FirstEmptyFrom(std::int32_t from) {
    std::int32_t cell = from;
    while (next_[static_cast<std::size_t>(cell)] != cell) {
        // Path halving keeps later searches short.
        auto& link = next_[static_cast<std::size_t>(cell)];
        link = next_[static_cast<std::size_t>(link)];
        cell = link;
    }
    return cell + 1 == static_cast<std::int32_t>(next_.size()) ? -1 : cell;
}

void EmptyCellFinder::Fill(std::int32_t cell) {
    next_[static_cast<std::size_t>(cell)] = cell + 1;
}
