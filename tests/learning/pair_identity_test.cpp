#include "files/open_file.h"
#include "learning/list_fingerprint.h"
#include "learning/memory_key.h"
#include "learning/pair_identity.h"
#include "savegame/save_game.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

std::vector<PairKey> KeysInPlay(const GameState& state) {
    const GameIdentity identity = IdentityOf(state);
    std::vector<PairKey> keys;
    for (std::size_t i = 0; i < state.WordList.size(); ++i) {
        keys.push_back(KeyOf(identity, state.WordList, i));
    }
    return keys;
}

TEST(PairIdentity, APairsMemoryFollowsItsWordsAndPicturesButNotItsNote) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {" Perro [note=m.]", "perro", true},
        {"[image=red.png] Rot", "rot [image=red.png]", true},
        {"[image=red.png]", "[image=blue.png]", false},
        {"[image=Red.png]", "[image=red.png]", false},
        {"[sound=perro.ogg]", "perro", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MemoryText(c.a) == MemoryText(c.b), c.same) << c.a << " | " << c.b;
    }
}

TEST(PairIdentity, AListKeepsItsPairsWhenSavedAndWhenItsSavedGameIsLoaded) {
    struct Case {
        const char* name;
        const char* list;
    };
    const Case cases[] = {
        {"saving turns a colon into a dash", "Times\nl'heure: midi\nnoon\nvoir\nto see\n"},
        {"a saved odd list gets a missing word", "Verbs\nvoir\nto see\nfaire\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string list = dir.Write("list.txt", c.list);
        RecordingHost host;
        GameState state;
        ASSERT_EQ(OpenFileAtPath(state, host, list, DealKind::Unblocked), OpenResult::Dealt);
        const std::vector<PairKey> opened = KeysInPlay(state);
        EXPECT_EQ(opened.front().fingerprint, ListFingerprint(state.WordList));

        const std::string saved = (dir.path() / "game.sav").string();
        ASSERT_TRUE(SaveGameAsPath(state, host, saved));
        EXPECT_EQ(KeysInPlay(state), opened) << "after the save";

        GameState loaded;
        ASSERT_EQ(OpenFileAtPath(loaded, host, saved), OpenResult::Loaded);
        EXPECT_EQ(KeysInPlay(loaded), opened) << "after the load";
        EXPECT_EQ(IdentityOf(loaded).description, IdentityOf(state).description);
    }
}

TEST(PairIdentity, ASavedGameWhoseListIsGoneIsKeptUnderItsOwnWords) {
    TempDir dir;
    const std::string list = dir.Write("list.txt", "Verbs\nvoir\nto see\nfaire\nto do\n");
    RecordingHost host;
    GameState state;
    ASSERT_EQ(OpenFileAtPath(state, host, list, DealKind::Unblocked), OpenResult::Dealt);
    const std::string saved = (dir.path() / "game.sav").string();
    ASSERT_TRUE(SaveGameAsPath(state, host, saved));
    std::filesystem::remove(list);
    GameState loaded;
    ASSERT_EQ(OpenFileAtPath(loaded, host, saved), OpenResult::Loaded);
    EXPECT_EQ(KeysInPlay(loaded).back(),
              (PairKey{ListFingerprint(loaded.WordList), "faire", "to do"}));
}

} // namespace
