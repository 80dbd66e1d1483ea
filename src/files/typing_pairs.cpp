#include "files/typing_pairs.h"

#include "files/utf8_text.h"

std::vector<TypingPair> TypingPairsOf(const WordPairList& list) {
    std::vector<TypingPair> pairs;
    std::int32_t index = 0;
    for (const WordPair& pair : list) {
        pairs.push_back(
            {index++, AsUtf8(pair.TextA.value_or("")), AsUtf8(pair.TextB.value_or(""))});
    }
    return pairs;
}
