#include "view/word_layout_cache.h"

#include "view/board_painter.h"
#include "view/word_fitting.h"

namespace {
// Room for the largest boards' words; beyond it the cache starts afresh rather than grow
// with every list opened in one session.
constexpr std::size_t MostWords = std::size_t{1} << 16;
} // namespace

const TextRun& WordLayoutCache::Fitted(const std::string& bytes) {
    if (runs_.size() >= MostWords && !runs_.contains(bytes)) {
        runs_.clear();
    }
    const auto [entry, added] = runs_.try_emplace(bytes);
    if (added) {
        entry->second = FitWordFont(DecodeWord(bytes));
    }
    return entry->second;
}
