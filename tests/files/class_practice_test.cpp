#include "files/class_practice.h"
#include "files/open_file.h"
#include "learning/list_fingerprint.h"
#include "learning/pair_identity.h"
#include "learning/progress_store.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// The class's table for pairs aN=bN, hardest first in the order given; the first one unseen.
ClassResults ClassOf(const std::vector<int>& hardestFirst) {
    ClassResults results{"Numbers", {}, {}, {}};
    for (const int n : hardestFirst) {
        results.pairs.push_back(
            {"a" + std::to_string(n), "b" + std::to_string(n), 2, 1, 0.5, {"Ana"}});
    }
    results.pairs.front().learners = 0;
    return results;
}

TEST(ClassPractice, DealsTheTwentyHardestPairsTheClassHasMet) {
    TempDir dir;
    std::string text = "Numbers\n";
    for (int n = 0; n < 30; ++n) {
        // One word as the teacher's file has it, in capitals: still the same pair.
        text += (n == 12 ? "A12" : "a" + std::to_string(n)) + "\nb" + std::to_string(n) + "\n";
    }
    const std::string list = dir.Write("numbers.txt", text);
    std::vector<int> order;
    for (int n = 29; n >= 0; --n) {
        order.push_back(n);
    }
    // 29 down to 10 are the hardest twenty; with 29 unseen, 9 comes in.
    const ClassResults results = ClassOf(order);
    struct Case {
        const char* name;
        std::string open;
        bool classListOpen;
        std::string title;
    };
    const Case cases[] = {
        {"the class's list in play", list, true,
         "Glossatiles - The class's hardest pairs of numbers.txt"},
        {"another list in play", dir.Write("other.txt", "Other\nx\ny\n"), false,
         "Glossatiles - The class's hardest pairs of Numbers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHost host;
        GameState state;
        ASSERT_EQ(OpenFileAtPath(state, host, c.open), OpenResult::Dealt);
        const std::string fingerprint = ListFingerprint(state.WordList);
        ASSERT_EQ(DealClassHardestPairs(state, host, results), DealOutcome::Complete);
        std::vector<std::string> dealt;
        for (const WordPair& pair : state.WordList) {
            dealt.push_back(*pair.TextA);
        }
        // In the order of the list they come from: the teacher's, or the table's.
        std::vector<std::string> expected;
        for (int n = 9; n < 29; ++n) {
            expected.push_back((n == 12 && c.classListOpen ? "A" : "a") + std::to_string(n));
        }
        if (!c.classListOpen) {
            std::reverse(expected.begin(), expected.end());
        }
        EXPECT_EQ(dealt, expected);
        EXPECT_EQ(state.FileDescription, "The class's hardest pairs: Numbers");
        EXPECT_EQ(host.titles.back(), c.title);
        const GameIdentity identity = IdentityOf(state);
        EXPECT_EQ(identity.kind, GameKind::HardestPairs);
        EXPECT_EQ(identity.fingerprint == fingerprint, c.classListOpen)
            << "the practice counts toward the teacher's list";
    }
}

} // namespace
