#include "game/deal.h"
#include "game_builder.h"
#include "savegame/save_game.h"
#include "savegame/save_loader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// What a load must bring back of a saved game. Sides of empty cells are not part of it.
void ExpectSameGame(const GameState& loaded, const GameState& saved) {
    ASSERT_EQ(loaded.WordList.size(), saved.WordList.size());
    for (std::size_t pair = 0; pair < saved.WordList.size(); ++pair) {
        EXPECT_EQ(loaded.WordList[pair].TextA, saved.WordList[pair].TextA) << "pair " << pair;
        EXPECT_EQ(loaded.WordList[pair].TextB, saved.WordList[pair].TextB) << "pair " << pair;
    }
    EXPECT_EQ(loaded.WordsCount, saved.WordsCount);
    EXPECT_EQ(loaded.LevelCount, saved.LevelCount);
    EXPECT_EQ(loaded.CellCount, saved.CellCount);
    EXPECT_EQ(loaded.AssignmentArray, saved.AssignmentArray);
    for (std::size_t cell = 0; cell < saved.AssignmentArray.size(); ++cell) {
        if (saved.AssignmentArray[cell] != NoPair) {
            EXPECT_EQ(loaded.AssignmentAB[cell], saved.AssignmentAB[cell]) << "cell " << cell;
        }
    }
    EXPECT_EQ(loaded.CorrectCount, saved.CorrectCount);
    EXPECT_EQ(loaded.WrongCount, saved.WrongCount);
    EXPECT_EQ(loaded.HintCount, saved.HintCount);
    EXPECT_EQ(loaded.FileDescription, saved.FileDescription);
    EXPECT_EQ(loaded.BrowseFileName, saved.BrowseFileName);
}

GameState SaveAndLoad(GameState& saved) {
    TempDir dir;
    const std::string path = (dir.path() / "round-trip.txt").string();
    RecordingHost host;
    EXPECT_TRUE(WriteSavedGame(saved, host, path));
    GameState loaded;
    EXPECT_TRUE(Loadplayedgame(loaded, host, path));
    return loaded;
}

TEST(SaveLoadRoundTrip, BringsBackWordsWithColonsAsDashesCellsSidesAndCounters) {
    GameState saved = MakeGame({{"le chat", "the cat"}, {"l'heure: midi", "time:noon"}, {"", "x"}},
                               {{3, 0, 1}, {12, 0, 0}, {7, 1, 1}, {19, 1, 0}});
    saved.FileDescription = "French: phrases";
    saved.BrowseFileName = "/home/me/words: French.txt";
    saved.CorrectCount = 4;
    saved.WrongCount = -2;
    saved.HintCount = 2147483647;
    GameState loaded = SaveAndLoad(saved);
    EXPECT_EQ(saved.WordList[1].TextA, "l'heure- midi");
    EXPECT_EQ(saved.WordList[1].TextB, "time-noon");
    ExpectSameGame(loaded, saved);
}

TEST(SaveLoadRoundTrip, MissingWordsComeBackAsTexts) {
    GameState saved = MakeGame({{"chien", {}}, {{}, "dog"}}, {{0, 0, 1}, {1, 1, 0}});
    GameState loaded = SaveAndLoad(saved);
    ASSERT_EQ(loaded.WordList.size(), 2u);
    EXPECT_EQ(loaded.WordList[0].TextB, "Missing word");
    EXPECT_EQ(loaded.WordList[1].TextA, "");
    EXPECT_EQ(loaded.AssignmentArray, saved.AssignmentArray);
}

TEST(SaveLoadRoundTrip, DealtGameOfManyLevelsPartlyPlayed) {
    std::vector<WordPair> pairs;
    for (int pair = 0; pair < 300; ++pair) {
        pairs.push_back({"word " + std::to_string(pair), "mot " + std::to_string(pair)});
    }
    GameState saved = MakeGame(pairs, {});
    saved.FileDescription = "Three hundred pairs";
    RecordingHost host;
    ASSERT_EQ(NewGame(saved, host), DealOutcome::Complete);
    for (std::size_t cell = 0; cell < saved.AssignmentArray.size(); cell += 3) {
        saved.AssignmentArray[cell] = NoPair; // removed in play
    }
    GameState loaded = SaveAndLoad(saved);
    ExpectSameGame(loaded, saved);
}

} // namespace
