#pragma once

#include <cstdint>
#include <vector>

// The first empty cell at or after a given one, skipping runs of filled cells in near constant
// time. Cells are only ever filled while it is in use.
class EmptyCellFinder {
public:
    explicit EmptyCellFinder(std::int32_t cellCount);

    // -1 when every cell from `from` on is filled.
    std::int32_t FirstEmptyFrom(std::int32_t from);
    void Fill(std::int32_t cell);

private:
    std::vector<std::int32_t> next_;
};
