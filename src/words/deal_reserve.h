#pragma once

#include <cstddef>
#include <deque>
#include <memory>

// Memory set aside while a list is read and given back when memory runs out, so that a list
// too large for memory still leaves room to deal the pairs read so far.
class DealReserve {
public:
    // Grows the reserve to cover a board for `pairs` pairs. Throws std::bad_alloc.
    void CoverPairs(std::size_t pairs);
    void Release();

private:
    static constexpr std::size_t BlockSize = std::size_t{1} << 20;
    // The board arrays and the deals' bookkeeping take about this much for each pair.
    static constexpr std::size_t BytesPerPair = 48;

    std::deque<std::unique_ptr<char[]>> blocks_;
};
