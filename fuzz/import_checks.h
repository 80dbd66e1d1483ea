#pragma once

#include "files/delimited_reader.h"
#include "files/list_export.h"

#include <cstdlib>

inline bool SamePairs(const WordPairList& a, const WordPairList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].TextA != b[i].TextA || a[i].TextB != b[i].TextB) {
            return false;
        }
    }
    return true;
}

// What every reader must give: a reason when it fails; otherwise pairs of two non-empty
// one-line words, left-out lines in file order, and a list that a CSV and a TSV export read
// back unchanged.
inline void CheckImport(const ImportOutcome& outcome) {
    if (!outcome.list) {
        if (outcome.problem.empty()) {
            std::abort();
        }
        return;
    }
    const ImportedList& list = *outcome.list;
    for (const WordPair& pair : list.pairs) {
        for (const auto& word : {pair.TextA, pair.TextB}) {
            if (!word || word->empty() || word->find_first_of("\r\n") != std::string::npos) {
                std::abort();
            }
        }
    }
    for (std::size_t i = 1; i < list.leftOutLines.size(); ++i) {
        if (list.leftOutLines[i] < list.leftOutLines[i - 1]) {
            std::abort();
        }
    }
    for (const char separator : {',', '\t'}) {
        const ImportOutcome back = ReadDelimitedList(DelimitedListText(list.pairs, separator));
        if (!back.list || !SamePairs(back.list->pairs, list.pairs)) {
            std::abort();
        }
    }
}
