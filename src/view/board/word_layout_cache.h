#pragma once

#include "view/board/word_fitting.h"

#include <string>
#include <unordered_map>

// Words keep their decoded text, fitted size and lines between repaints: measuring is the slow part
// of painting a large board, and a repaint mostly shows the same words again.
class WordLayoutCache {
public:
    // Past `fewestKept` words, or the words of the list in play if there are more, the cache
    // starts afresh rather than grow with every list opened in one session.
    explicit WordLayoutCache(std::size_t fewestKept = std::size_t{1} << 16);

    // Makes room for a list of this many words, so that all of it stays measured.
    void HoldAtLeast(std::size_t words);
    // Valid until the next call.
    const WordLayout& Fitted(const std::string& bytes);
    std::size_t Size() const { return runs_.size(); }

private:
    std::size_t fewestKept_;
    std::size_t mostKept_;
    std::unordered_map<std::string, WordLayout> runs_;
};
