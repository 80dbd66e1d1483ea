#pragma once

#include "files/list_export.h"
#include "files/list_import.h"
#include "files/utf8_text.h"
#include "words/side_line.h"

#include <algorithm>
#include <cstdlib>

// An export writes UTF-8, so words in other bytes come back re-encoded. A note belongs to the
// pair: the export gives it a column of its own, it may come back on the other side, and its
// brackets come back as a reference's value holds them.
inline bool SamePairs(const WordPairList& exported, const WordPairList& read) {
    if (exported.size() != read.size()) {
        return false;
    }
    for (std::size_t i = 0; i < read.size(); ++i) {
        const std::string a = AsUtf8(*exported[i].TextA);
        const std::string b = AsUtf8(*exported[i].TextB);
        const std::string readA = read[i].TextA.value_or("");
        const std::string readB = read[i].TextB.value_or("");
        if (!read[i].TextA || !read[i].TextB || WithoutNote(a) != WithoutNote(readA) ||
            WithoutNote(b) != WithoutNote(readB) ||
            ReferenceValue(PairNote(a, b)) != PairNote(readA, readB)) {
            return false;
        }
    }
    return true;
}

// What every reader must give: a reason when it fails; otherwise pairs of two non-empty
// words without control characters, left-out lines in file order, and a list that a CSV and a TSV
// export read back unchanged.
inline void CheckImport(const ImportOutcome& outcome) {
    if (!outcome.list) {
        if (EnglishText(outcome.problem).empty()) {
            std::abort();
        }
        return;
    }
    const ImportedList& list = *outcome.list;
    for (const WordPair& pair : list.pairs) {
        for (const auto& word : {pair.TextA, pair.TextB}) {
            if (!word || word->empty() || std::any_of(word->begin(), word->end(), [](char c) {
                    return static_cast<unsigned char>(c) < 0x20;
                })) {
                std::abort();
            }
        }
    }
    for (std::size_t i = 1; i < list.leftOutLines.size(); ++i) {
        if (list.leftOutLines[i] < list.leftOutLines[i - 1]) {
            std::abort();
        }
    }
    // With notes, the export heads its columns, and the note column is found by its heading.
    const bool notes = std::any_of(list.pairs.begin(), list.pairs.end(), [](const WordPair& pair) {
        return !PairNote(pair.TextA.value_or(""), pair.TextB.value_or("")).empty();
    });
    for (const char separator : {',', '\t'}) {
        const ImportChoice exported{
            separator, notes, notes ? std::nullopt : std::optional(ColumnPair{0, 1}), {}};
        const ImportOutcome back =
            ImportWordList(ImportFormat::Delimited, "back.csv",
                           DelimitedListText(list.pairs, separator), exported);
        if (!back.list || !SamePairs(list.pairs, back.list->pairs)) {
            std::abort();
        }
    }
}
