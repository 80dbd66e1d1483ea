#include "view/board/word_layout_cache.h"

#include "view/board/board_painter.h"

#include <algorithm>

WordLayoutCache::WordLayoutCache(std::size_t fewestKept)
    : fewestKept_(fewestKept), mostKept_(fewestKept) {}

void WordLayoutCache::HoldAtLeast(std::size_t words) {
    mostKept_ = std::max(fewestKept_, words);
}

const WordLayout& WordLayoutCache::Fitted(const std::string& bytes) {
    if (runs_.size() >= mostKept_ && !runs_.contains(bytes)) {
        runs_.clear();
    }
    const auto [entry, added] = runs_.try_emplace(bytes);
    if (added) {
        entry->second = FitWord(DecodeWord(bytes));
    }
    return entry->second;
}
