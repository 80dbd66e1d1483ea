#include "learning/pair_word_index.h"

#include <gtest/gtest.h>

namespace {

TEST(PairWordIndex, FindsTheFirstTagOfBothWordsWholeAndNothingElse) {
    PairWordIndex index;
    index.Add("a", "bc", 7);
    index.Add("voir", "to see", 5);
    index.Add("boire", "to drink ", 6);
    index.Add("voir", "to see", 9);
    // Enough to make the table grow several times.
    for (std::uint32_t i = 0; i < 100; ++i) {
        index.Add("word " + std::to_string(i), "partner", 100 + i);
    }
    const struct {
        const char* wordA;
        const char* wordB;
        std::optional<std::uint32_t> tag;
    } cases[] = {
        {"voir", "to see", 5},
        {"a", "bc", 7},
        {"ab", "c", std::nullopt},
        {"to see", "voir", std::nullopt},
        {"boire", "to drink", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(index.TagOf(c.wordA, c.wordB), c.tag) << c.wordA << " = " << c.wordB;
    }
}

} // namespace
