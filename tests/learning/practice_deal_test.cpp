#include "files/open_file.h"
#include "game/board_geometry.h"
#include "learning/list_fingerprint.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "savegame/atomic_file.h"
#include "savegame/save_game.h"
#include "support/temp_dir.h"
#include "words/word_list_text.h"

#include "learning_board.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(PracticeDeal, MissedPairsAreDealtAloneInListOrderWithTheListFileUntouched) {
    TempDir dir;
    const std::string list = dir.Write("verbs.txt", "Verbs\nmanger\nto eat\nboire\nto drink\n"
                                                    "voir\nto see\nfaire\nto do\n");
    RecordingHost host;
    GameState state;
    ASSERT_EQ(OpenFileAtPath(state, host, list), OpenResult::Dealt);
    state.RecordFileName = dir.Write("whole.sav", "a saved game of the whole list");

    const std::string fingerprint = ListFingerprint(state.WordList);
    PracticePairs missed = PairsAt(state, {3, 1, 3});
    ASSERT_EQ(DealPractice(state, host, std::move(missed), "Missed pairs", GameKind::MissedPairs),
              DealOutcome::Complete);

    EXPECT_EQ(ListText(state.WordList), "boire=to drink; faire=to do");
    EXPECT_EQ(state.WordsCount, 2);
    std::map<std::int32_t, std::vector<std::int32_t>> cells = CellsByPair(state);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].size() + cells[1].size(), 4u);
    EXPECT_EQ(state.FileDescription, "Missed pairs: Verbs");
    EXPECT_EQ(host.titles.back(), "Glossatiles - Missed pairs of verbs.txt");
    EXPECT_EQ(state.BrowseFileName, list);
    EXPECT_TRUE(state.RecordFileName.empty()) << "Save must not overwrite the whole game";
    EXPECT_EQ(ReadBytes(list),
              "Verbs\nmanger\nto eat\nboire\nto drink\nvoir\nto see\nfaire\nto do\n");
    // The practice is kept under the list it came from.
    const GameIdentity identity = IdentityOf(state);
    EXPECT_EQ(std::tuple(identity.fingerprint, identity.description, identity.kind),
              std::tuple(fingerprint, "Verbs", GameKind::MissedPairs));
    EXPECT_EQ(identity.pairs, std::vector<PairKey>({{fingerprint, "boire", "to drink"},
                                                    {fingerprint, "faire", "to do"}}));
}

TEST(PracticeDeal, SavedMissedPairsOpenAgainAsTheSamePairs) {
    TempDir dir;
    const WordPairList pairs{{"manger", "to eat"}, {"l'été", "summer"}, {"voir", "to see"}};
    const std::string path = (dir.path() / "missed.txt").string();
    const auto text = [&] {
        GameState state;
        state.WordList = pairs;
        return WordListText(PracticeDescription("Missed pairs", "Verbs"),
                            PairsAt(state, {2, 0}).pairs);
    };
    ASSERT_EQ(WriteFileAtomically(path, text).result, AtomicWriteResult::Written);
    RecordingHost host;
    GameState state;
    ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
    EXPECT_EQ(ListText(state.WordList), "manger=to eat; voir=to see");
    EXPECT_EQ(state.FileDescription, "Missed pairs: Verbs");
}

// A saved practice game names the list it came from, even after a cancelled File > Open, and a
// saved Today's Review names itself: each loads again without a word about a missing source,
// and is kept in the progress records as what it was.
TEST(PracticeDeal, SavedPracticeAndReviewGamesLoadWithASourceAndStayWhatTheyWere) {
    TempDir dir;
    const std::string list = dir.Write("verbs.txt", "Verbs\nmanger\nto eat\nboire\nto drink\n"
                                                    "voir\nto see\n");
    const std::string saved = (dir.path() / "practice.sav").string();
    struct Case {
        const char* name;
        std::function<void(GameState&, RecordingHost&)> deal;
        std::string source;
        std::string fingerprint;
        const char* kind;
    };
    GameState opened;
    RecordingHost quiet;
    ASSERT_EQ(OpenFileAtPath(opened, quiet, list), OpenResult::Dealt);
    const std::string verbs = ListFingerprint(opened.WordList);
    const Case cases[] = {
        {"missed pairs, then a cancelled File > Open",
         [](GameState& state, RecordingHost& host) {
             DealPractice(state, host, PairsAt(state, {2, 0}), "Missed pairs",
                          GameKind::MissedPairs);
             EXPECT_EQ(OpenFile(state, host), OpenResult::Cancelled);
         },
         list, verbs, GameKind::List},
        {"Today's Review",
         [](GameState& state, RecordingHost& host) {
             DealReview(state, host,
                        {{{"aaaaaaaaaaaaaaaa", "voir", "to see"}, "Verbs", {}},
                         {{"bbbbbbbbbbbbbbbb", "chat", "cat"}, "Animals", {}}});
         },
         saved, ReviewFingerprint, GameKind::Review},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = opened;
        RecordingHost host;
        c.deal(state, host);
        ASSERT_TRUE(SaveGameAsPath(state, host, saved));
        GameState loaded;
        ASSERT_EQ(OpenFileAtPath(loaded, host, saved), OpenResult::Loaded);
        EXPECT_EQ(host.messages.back(),
                  "Loaded file OK\n\nOringinal game was started from file\n" + c.source);
        EXPECT_EQ(host.messages.size(), 1u) << host.messages.front();
        const GameIdentity identity = IdentityOf(loaded);
        EXPECT_EQ(std::tuple(identity.fingerprint, identity.kind),
                  std::tuple(c.fingerprint, c.kind));
    }
}

TEST(PracticeDeal, HardestPairsAreFoundByTheirWords) {
    GameState state;
    state.WordList = NumberedPairs(5);
    EXPECT_EQ(ListText(PairsNamed(state, {{"a3", "b3"}, {"a1", "b1"}, {"a2", "x"}}).pairs),
              "a1=b1; a3=b3");
}

} // namespace
