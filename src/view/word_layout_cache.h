#pragma once

#include "view/opaque_text.h"

#include <string>
#include <unordered_map>

// Words keep their decoded text and fitted size between repaints: measuring is the slow part
// of painting a large board, and a repaint mostly shows the same words again.
class WordLayoutCache {
public:
    // Valid until the next call.
    const TextRun& Fitted(const std::string& bytes);

private:
    std::unordered_map<std::string, TextRun> runs_;
};
