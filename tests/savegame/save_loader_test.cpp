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
    std::string pairs;
    for (const WordPair& pair : s.WordList) {
        pairs += (pairs.empty() ? "" : " ") + pair.TextA.value_or("<none>") + "=" +
                 pair.TextB.value_or("<none>");
    }
    std::string cells;
    for (std::size_t cell = 0; cell < s.AssignmentArray.size(); ++cell) {
        const std::int32_t pair = s.AssignmentArray[cell];
        cells +=
            (cell == 0 ? "" : " ") +
            (pair == NoPair ? "-"
                            : std::to_string(pair) + ":" + std::to_string(s.AssignmentAB[cell]));
    }
    return s.FileDescription + "|" + s.BrowseFileName + "|" + pairs + "|" + cells + "|" +
           std::to_string(s.CorrectCount) + " " + std::to_string(s.WrongCount) + " " +
           std::to_string(s.HintCount);
}

const std::vector<std::string> SmallGameLines = {
    "Glossatiles saved game file: Animals",
    "Game source file",
    "animals.txt",
    "Time 13:05 03-02-2008",
    "Correct:1",
    "Wrong:2",
    "Hints:3",
    "Start of ArrayTop section *************************",
    "Index:0:chat:cat",
    "Index:1:chien:dog",
    "End of ArrayTop section *************************",
    "Start of ArrayIndex section *************************",
    "CellCount 5",
    "Array:0:ArrayTop:0:AB:0",
    "Array:1:ArrayTop:0:AB:1",
    "Array:2:ArrayTop:-1:AB:-1",
    "Array:3:ArrayTop:1:AB:0",
    "Array:4:ArrayTop:1:AB:1",
    "End of ArrayIndex section *************************",
};
// Positions in SmallGameLines.
constexpr std::size_t PathLine = 2, CorrectLine = 4, ArrayTopLine = 7, PairLine = 8,
                      ArrayIndexLine = 11, CellCountLine = 12, CellLine = 13;
const std::string SmallGame = "Animals|animals.txt|chat=cat chien=dog|0:0 0:1 - 1:0 1:1|1 2 3";

std::string Joined(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + std::string(end);
    }
    return text;
}

// The small game with lines replaced; a replacement of two lines inserts one.
std::string Replaced(const std::map<std::size_t, std::string>& changes) {
    std::vector<std::string> lines = SmallGameLines;
    for (const auto& [at, line] : changes) {
        lines[at] = line;
    }
    return Joined(lines);
}

const std::string Loaded = "Loaded file OK\n\nOringinal game was started from file\nanimals.txt";
std::string NotSaved(const char* section) {
    return "Unable to find " + std::string(section) +
           " section in file.\n\nThis file does not appear to be a valid Glossatiles saved game.";
}
std::string Unexpected(const std::string& line, const std::string& expected) {
    return line + "\nread from file.\nExpected '" + expected + "'\n\nClick Ok to continue.";
}
const std::string OddWords = "Possible odd number of words in function GetWordPairPointer";
const std::string NoPairOne =
    "Possible odd number of words in function Loadplayedgame 1\nGetWordPairPointer returned NULL";

TEST(SaveLoader, ToleratesWhatItCanAndReportsTheRest) {
    const struct {
        const char* name;
        std::string file;
        bool loaded;
        std::vector<std::string> messages;
        std::string game;
    } cases[] = {
        {"well formed", Joined(SmallGameLines), true, {Loaded}, SmallGame},
        {"line feeds alone", Joined(SmallGameLines, "\n"), true, {Loaded}, SmallGame},
        {"wrong source line",
         Replaced({{1, "Game source"}}),
         true,
         {Unexpected("Game source", "Game source file"), Loaded},
         SmallGame},
        {"empty path line",
         Replaced({{PathLine, ""}}),
         true,
         {"Expected a game source file name\nbut it is missing.\n\nClick Ok to continue.",
          "Loaded file OK\n\nOringinal game was started from file\n"},
         "Animals||chat=cat chien=dog|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"counter forms",
         Replaced({{4, "Correct:x"}, {5, "Wrong 3"}, {6, "Hints:1:  -7"}}),
         true,
         {Unexpected("Wrong 3", "Wrong:"), Loaded},
         "Animals|animals.txt|chat=cat chien=dog|0:0 0:1 - 1:0 1:1|0 0 -7"},
        {"header without description",
         Replaced({{0, "Glossatiles saved game file: "}}),
         true,
         {Loaded},
         "FileDescription not available|animals.txt|chat=cat chien=dog|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"ArrayTop banner short of a star",
         Replaced({{ArrayTopLine, "Start of ArrayTop section ************************"}}),
         false,
         {NotSaved("ArrayTop")},
         "Animals|animals.txt|||0 0 0"},
        {"ArrayTop banner as last line",
         Joined({SmallGameLines.begin(), SmallGameLines.begin() + ArrayTopLine}) +
             SmallGameLines[ArrayTopLine],
         false,
         {NotSaved("ArrayTop")},
         "Animals|animals.txt|||0 0 0"},
        {"banners with trailing blanks",
         Replaced({{ArrayTopLine, SmallGameLines[ArrayTopLine] + "  \r"},
                   {ArrayIndexLine, SmallGameLines[ArrayIndexLine] + " "}}),
         true,
         {Loaded},
         SmallGame},
        {"ArrayIndex banner after a blank",
         Replaced({{ArrayIndexLine, " " + SmallGameLines[ArrayIndexLine]}}),
         false,
         {NotSaved("ArrayIndex")},
         "Animals|animals.txt|chat=cat chien=dog|- - - - -|1 2 3"},
        {"blank line among pairs",
         Replaced({{PairLine, "Index:0:chat:cat\r\n"}}),
         true,
         {OddWords, NoPairOne, OddWords, NoPairOne, Loaded},
         "Animals|animals.txt|chat=cat|0:0 0:1 - - -|1 2 3"},
        {"blank line among cells",
         Replaced({{CellLine + 1, "Array:1:ArrayTop:0:AB:1\r\n"}}),
         true,
         {Loaded},
         "Animals|animals.txt|chat=cat chien=dog|0:0 0:1 - - -|1 2 3"},
        {"pair lines without words",
         Replaced({{PairLine, "Index:5"}, {PairLine + 1, "Index:1::"}}),
         true,
         {Loaded},
         "Animals|animals.txt|Missing TextA=5 =|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"pair lines of missing words",
         Replaced({{PairLine, "Index:0::cat"}, {PairLine + 1, "Index:1:chien:Missing word"}}),
         true,
         {Loaded},
         "Animals|animals.txt|=cat chien=Missing word|0:0 0:1 - 1:0 1:1|1 2 3"},
        {"cell of a pair not found",
         Replaced({{CellLine + 3, "Array:3:ArrayTop:-1 Error not found:AB:1"}}),
         true,
         {Loaded},
         "Animals|animals.txt|chat=cat chien=dog|0:0 0:1 - - 1:1|1 2 3"},
        {"numbers after Index and Array ignored",
         Replaced({{PairLine, "Index:7:chat:cat"},
                   {CellLine, "Array:7:ArrayTop:1:AB:0"},
                   {CellLine + 1, "Array:2:ArrayTop::AB:1"}}),
         true,
         {Loaded},
         "Animals|animals.txt|chat=cat chien=dog|1:0 0:1 - 1:0 1:1|1 2 3"},
        {"CellCount line skipped whatever it holds",
         Replaced({{CellCountLine, "Array:0:ArrayTop:1:AB:1"}}),
         true,
         {Loaded},
         SmallGame},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.Write("saved.txt", c.file);
        GameState state = MakeGame({{"old", "game"}, {"is", "replaced"}}, {{0, 1, 1}, {7, 0, 0}});
        state.RecordFileName = "record.txt";
        RecordingHost host;
        EXPECT_EQ(Loadplayedgame(state, host, path), c.loaded);
        EXPECT_EQ(host.messages, c.messages);
        EXPECT_EQ(Digest(state), c.game);
        EXPECT_EQ(state.WordsCount, static_cast<std::int32_t>(state.WordList.size()));
        EXPECT_EQ(state.RecordFileName, "record.txt");
    }
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
    saved.BrowseFileName = "/home/me/words: French.txt";
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
    GameState saved = MakeGame({{"chien", {}}, {{}, "dog"}}, {{0, 0, 1}, {1, 1, 0}});
    EXPECT_EQ(Digest(SaveAndLoad(saved)), "FileDescription not available||chien=Missing word "
                                          "=dog|0:1 1:0 - - -|0 0 0");
}

} // namespace
