#include "view/word_layout_cache.h"

#include "view/board_painter.h"
#include "view/word_fitting.h"

namespace {
// Room for the largest boards' words; beyond it the cache starts afresh rather than grow
// with every list opened in one session.
constexpr std::size_t MostWords = std::size_t{1} << 16;
} // namespace

const TextRun& WordLayoutCache::Fitted(const std::string& bytes) {
    if (const auto found = runs_.find(bytes); found != runs_.end()) {
        return found->second;
    }
    if (runs_.size() >= MostWords) {
        runs_.clear();
    }
    return runs_.emplace(bytes, FitWordFont(DecodeWord(bytes))).first->second;
}
