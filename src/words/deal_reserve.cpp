#include "words/deal_reserve.h"

void DealReserve::CoverPairs(std::size_t pairs) {
    while (blocks_.size() * BlockSize < pairs * BytesPerPair) {
        // Left uninitialised so that the pages are never touched.
        blocks_.emplace_back(new char[BlockSize]);
    }
}

void DealReserve::Release() {
    std::deque<std::unique_ptr<char[]>>().swap(blocks_);
}
