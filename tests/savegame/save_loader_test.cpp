#include "savegame/save_loader.h"

#include "game/deal.h"
#include "savegame/save_game.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// What a save keeps of a game: description|source|pairs|cells|counters, a cell shown as
// "pair:side" or "-" when empty.
std::string Digest(const GameState& s) {
    std::string cells;
    for (std::size_t cell = 0; cell < s.AssignmentArray.size(); ++cell) {
        const std::int32_t pair = s.AssignmentArray[cell];
        cells +=
            (cell == 0 ? "" : " ") +
            (pair == NoPair ? "-"
                            : std::to_string(pair) + ":" + std::to_string(s.AssignmentAB[cell]));
    }
    return s.FileDescription + "|" + s.BrowseFileName + "|" + ListText(s.WordList) + "|" + cells +
           "|" + std::to_string(s.CorrectCount) + " " + std::to_string(s.WrongCount) + " " +
           std::to_string(s.HintCount);
}

const std::string ArrayTop = "Start of ArrayTop section *************************";
const std::string ArrayIndex = "Start of ArrayIndex section *************************";
const std::string SmallGameFile =
    "Glossatiles saved game file: Animals\r\nGame source file\r\nanimals.txt\r\n"
    "Time 13:05 03-02-2008\r\nCorrect:1\r\nWrong:2\r\nHints:3\r\n" +
    ArrayTop + "\r\nIndex:0:chat:cat\r\nIndex:1:chien:dog\r\n" +
    "End of ArrayTop section *************************\r\n" + ArrayIndex +
    "\r\nCellCount 5\r\nArray:0:ArrayTop:0:AB:0\r\nArray:1:ArrayTop:0:AB:1\r\n"
    "Array:2:ArrayTop:-1:AB:-1\r\nArray:3:ArrayTop:1:AB:0\r\nArray:4:ArrayTop:1:AB:1\r\n"
    "End of ArrayIndex section *************************\r\n";
const std::string SmallGameLoaded =
    "Animals|animals.txt|chat=cat; chien=dog|0:0 0:1 - 1:0 1:1|1 2 3";

// The small game with the first of each `from` text replaced by the `to` after it.
template <class... FromTo> std::string Edited(const FromTo&... fromTo) {
    std::string file = SmallGameFile;
    const std::vector<std::string> edits{fromTo...};
    for (std::size_t at = 0; at + 1 < edits.size(); at += 2) {
        file.replace(file.find(edits[at]), edits[at].size(), edits[at + 1]);
    }
    return file;
}

const std::string OldGame = "||old=game; is=replaced|1:1 - - 0:0 -|0 0 0";
const std::string Loaded = "Loaded file OK\n\nOringinal game was started from file\nanimals.txt";
std::string NotSaved(const char* section) {
    return "Unable to find " + std::string(section) +
           " section in file.\n\nThis file does not appear to be a valid Glossatiles saved game.";
}
std::string Unexpected(const std::string& line, const std::string& expected) {
    return line + "\nread from file.\nExpected '" + expected + "'\n\nClick Ok to continue.";
}
// What a cell line naming pair 1 says when there is no pair 1.
const std::string NoPairOne = "Possible odd number of words in function GetWordPairPointer / "
                              "Possible odd number of words in function Loadplayedgame 1\n"
                              "GetWordPairPointer returned NULL";

TEST(SaveLoader, ToleratesWhatItCanAndReportsTheRest) {
    std::string lineFeedsAlone = SmallGameFile;
    std::erase(lineFeedsAlone, '\r');
    const struct {
        const char* name;
        std::string file;
        bool loaded;
        std::string messages; // joined by " / "
        std::string game;
    } cases[] = {
        {"well formed", SmallGameFile, true, Loaded, SmallGameLoaded},
        {"line feeds alone", lineFeedsAlone, true, Loaded, SmallGameLoaded},
        {"wrong source line", Edited("Game source file", "Game source"), true,
         Unexpected("Game source", "Game source file") + " / " + Loaded, SmallGameLoaded},
        {"empty path line", Edited("animals.txt", ""), true,
         "Expected a game source file name\nbut it is missing.\n\nClick Ok to continue. / "
         "Loaded file OK\n\nOringinal game was started from file\n",
         "Animals||chat=cat; chien=dog|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"counter forms",
         Edited("Correct:1", "Correct:x", "Wrong:2", "Wrong 3", "Hints:3", "Hints:1:  -7"), true,
         Unexpected("Wrong 3", "Wrong:") + " / " + Loaded,
         "Animals|animals.txt|chat=cat; chien=dog|0:0 0:1 - 1:0 1:1|0 0 -7"},
        {"header without description", Edited("file: Animals", "file: "), true, Loaded,
         "FileDescription not available|animals.txt|chat=cat; chien=dog|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"ArrayTop banner short of a star", Edited(ArrayTop, ArrayTop.substr(1)), false,
         NotSaved("ArrayTop"), OldGame},
        {"ArrayTop banner as last line",
         SmallGameFile.substr(0, SmallGameFile.find(ArrayTop) + ArrayTop.size()), false,
         NotSaved("ArrayTop"), OldGame},
        {"banners with trailing blanks",
         Edited(ArrayTop, ArrayTop + "  \r", ArrayIndex, ArrayIndex + " "), true, Loaded,
         SmallGameLoaded},
        {"ArrayIndex banner after a blank", Edited(ArrayIndex, " " + ArrayIndex), false,
         NotSaved("ArrayIndex"), OldGame},
        {"blank line among pairs", Edited("Index:1", "\r\nIndex:1"), true,
         NoPairOne + " / " + NoPairOne + " / " + Loaded,
         "Animals|animals.txt|chat=cat|0:0 0:1 - - -|1 2 3"},
        {"blank line among cells", Edited("Array:2", "\r\nArray:2"), true,
         "The saved game ends early: 3 of its 5 cells are missing.\nTheir tiles are not on the "
         "board. / " +
             Loaded,
         "Animals|animals.txt|chat=cat; chien=dog|0:0 0:1 - - -|1 2 3"},
        {"pair lines without words",
         Edited("Index:0:chat:cat", "Index:5", "Index:1:chien:dog", "Index:1::"), true, Loaded,
         "Animals|animals.txt|Missing TextA=5; =|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"pair lines of missing words", Edited("Index:0:chat", "Index:0:", "dog", "Missing word"),
         true, Loaded, "Animals|animals.txt|=cat; chien=Missing word|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"cell of a pair not found",
         Edited("Array:3:ArrayTop:1:AB:0", "Array:3:ArrayTop:-1 Error not found:AB:1"), true,
         Loaded, "Animals|animals.txt|chat=cat; chien=dog|0:0 0:1 - - 1:1|1 2 3"},
        {"numbers after Index and Array ignored",
         Edited("Index:0", "Index:7", "Array:0:ArrayTop:0", "Array:7:ArrayTop:1",
                "Array:1:ArrayTop:0", "Array:2:ArrayTop:"),
         true, Loaded, "Animals|animals.txt|chat=cat; chien=dog|1:0 0:1 - 1:0 1:1|1 2 3"},
        {"CellCount line skipped whatever it holds",
         Edited("CellCount 5", "Array:0:ArrayTop:1:AB:1"), true, Loaded, SmallGameLoaded},
        {"fewer cell lines than CellCount", Edited("CellCount 5", "CellCount 7"), true,
         "The saved game ends early: 2 of its 7 cells are missing.\nTheir tiles are not on the "
         "board. / " +
             Loaded,
         SmallGameLoaded},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.Write("saved.txt", c.file);
        GameState state = MakeGame({{"old", "game"}, {"is", "replaced"}}, {{0, 1, 1}, {3, 0, 0}});
        state.RecordFileName = "record.txt";
        RecordingHost host;
        EXPECT_EQ(Loadplayedgame(state, host, path), c.loaded);
        std::string messages;
        for (const std::string& message : host.messages) {
            messages += (messages.empty() ? "" : " / ") + message;
        }
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(Digest(state), c.game);
        EXPECT_EQ(state.WordsCount, static_cast<std::int32_t>(state.WordList.size()));
        // Save writes back to a loaded game; a failed load changes neither file nor title.
        EXPECT_EQ(state.RecordFileName, c.loaded ? path : "record.txt");
        EXPECT_EQ(host.titles.size(), c.loaded ? 1u : 0u);
        EXPECT_EQ(host.events.size(), c.loaded ? 1u : 0u);
    }
}

GameState SaveAndLoad(GameState& saved) {
    TempDir dir;
    const std::string path = (dir.path() / "round-trip.txt").string();
    RecordingHost host;
    EXPECT_TRUE(WriteSavedGame(saved, host, path));
    GameState loaded;
    EXPECT_TRUE(Loadplayedgame(loaded, host, path));
    EXPECT_EQ(host.events.size(), 1u);
    EXPECT_EQ(host.events.at(0).kind, PlayEventKind::GameStarted);
    return loaded;
}

TEST(SaveLoadRoundTrip, BringsBackAPartlyPlayedDealWithColonsAsDashes) {
    WordPairList pairs = NumberedPairs(300);
    pairs[0] = {"le chat", "the cat"};
    pairs[1] = {"l'heure: midi", "time:noon"};
    pairs[2] = {"", "x"};
    GameState saved = MakeGame(pairs);
    RecordingHost host;
    ASSERT_EQ(NewGame(saved, host), DealOutcome::Complete);
    for (std::size_t cell = 0; cell < saved.AssignmentArray.size(); cell += 3) {
        saved.AssignmentArray[cell] = NoPair; // removed in play
    }
    saved.FileDescription = "French: phrases";
    saved.BrowseFileName = saved.ListPath = "/home/me/words: French.txt";
    saved.CorrectCount = 4;
    saved.WrongCount = -2;
    saved.HintCount = 2147483647;
    const GameState loaded = SaveAndLoad(saved);
    EXPECT_EQ(saved.WordList[1].TextA.value() + "/" + saved.WordList[1].TextB.value(),
              "l'heure- midi/time-noon");
    EXPECT_EQ(Digest(loaded), Digest(saved));
    EXPECT_EQ(loaded.LevelCount, saved.LevelCount);
}

TEST(SaveLoadRoundTrip, MissingWordsComeBackAsTexts) {
    GameState saved = MakeGame({{"note: chien", {}}, {{}, "a:dog"}}, {{0, 0, 1}, {1, 1, 0}});
    EXPECT_EQ(Digest(SaveAndLoad(saved)), "FileDescription not available||note- chien=Missing "
                                          "word; =a-dog|0:1 1:0 - - -|0 0 0");
}

} // namespace
