#include "savegame/save_loader.h"

#include "game_builder.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Words = std::pair<std::optional<std::string>, std::optional<std::string>>;

std::vector<Words> PairsOf(const GameState& state) {
    std::vector<Words> pairs;
    for (const WordPair& pair : state.WordList) {
        pairs.emplace_back(pair.TextA, pair.TextB);
    }
    return pairs;
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
constexpr std::size_t SourceLine = 1, PathLine = 2, CorrectLine = 4, WrongLine = 5, HintsLine = 6,
                      ArrayTopLine = 7, SecondPairLine = 9, ArrayIndexLine = 11, CellCountLine = 12,
                      FirstCellLine = 13;

std::string Joined(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

std::string Replaced(std::vector<std::pair<std::size_t, std::string>> changes) {
    std::vector<std::string> lines = SmallGameLines;
    for (auto& [at, line] : changes) {
        lines[at] = std::move(line);
    }
    return Joined(lines);
}

std::string Inserted(std::size_t at, const std::vector<std::string>& added) {
    std::vector<std::string> lines = SmallGameLines;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    return Joined(lines);
}

std::string Without(std::size_t at) {
    std::vector<std::string> lines = SmallGameLines;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
    return Joined(lines);
}

std::string Unexpected(const std::string& line, const std::string& expected) {
    return line + "\nread from file.\nExpected '" + expected + "'\n\nClick Ok to continue.";
}

const std::string Loaded = "Loaded file OK\n\nOringinal game was started from file\nanimals.txt";
const std::string NoArrayTop = "Unable to find ArrayTop section in file.\n\nThis file does not "
                               "appear to be a valid Glossatiles saved game.";
const std::string NoArrayIndex = "Unable to find ArrayIndex section in file.\n\nThis file does "
                                 "not appear to be a valid Glossatiles saved game.";
const std::string OddWords = "Possible odd number of words in function GetWordPairPointer";
std::string NullPair(int pair) {
    return "Possible odd number of words in function Loadplayedgame " + std::to_string(pair) +
           "\nGetWordPairPointer returned NULL";
}

const std::vector<Words> Animals = {{"chat", "cat"}, {"chien", "dog"}};

struct LoadCase {
    const char* name;
    std::string file;
    bool loaded;
    std::vector<std::string> messages;
    std::function<void(const GameState&)> check;
};

// Tests are listed by name, not by their bytes.
std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << c.name;
}

void ExpectCells(const GameState& state, const std::vector<std::int32_t>& pairs,
                 const std::vector<std::int32_t>& sides) {
    EXPECT_EQ(state.AssignmentArray, pairs);
    EXPECT_EQ(state.AssignmentAB, sides);
}

void ExpectCounters(const GameState& state, std::int32_t correct, std::int32_t wrong,
                    std::int32_t hints) {
    EXPECT_EQ(state.CorrectCount, correct);
    EXPECT_EQ(state.WrongCount, wrong);
    EXPECT_EQ(state.HintCount, hints);
}

void ExpectNoGame(const GameState& state) {
    EXPECT_TRUE(state.WordList.empty());
    EXPECT_EQ(state.WordsCount, 0);
    EXPECT_FALSE(state.HasBoard());
}

class LoadingFile : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadingFile, ToleratesWhatItCanAndReportsTheRest) {
    const LoadCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.Write("saved.txt", c.file);
    GameState state =
        MakeGame({{"old", "game"}, {"is", "replaced"}, {"by", "the load"}}, {{0, 2, 1}, {7, 1, 0}});
    state.RecordFileName = "record.txt";
    RecordingHost host;
    EXPECT_EQ(Loadplayedgame(state, host, path), c.loaded);
    EXPECT_EQ(host.messages, c.messages);
    EXPECT_EQ(state.RecordFileName, "record.txt");
    EXPECT_EQ(state.WordsCount, static_cast<std::int32_t>(state.WordList.size()));
    c.check(state);
}

INSTANTIATE_TEST_SUITE_P(
    SaveLoader, LoadingFile,
    testing::Values(
        LoadCase{"WellFormed",
                 Joined(SmallGameLines),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(s.FileDescription, "Animals");
                     EXPECT_EQ(s.BrowseFileName, "animals.txt");
                     EXPECT_EQ(PairsOf(s), Animals);
                     ExpectCells(s, {0, 0, NoPair, 1, 1}, {0, 1, -1, 0, 1});
                     ExpectCounters(s, 1, 2, 3);
                 }},
        LoadCase{"LineFeedsAlone",
                 Joined(SmallGameLines, "\n"),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(PairsOf(s), Animals);
                     ExpectCells(s, {0, 0, NoPair, 1, 1}, {0, 1, -1, 0, 1});
                 }},
        LoadCase{"WrongSourceLine",
                 Replaced({{SourceLine, "Game source"}}),
                 true,
                 {Unexpected("Game source", "Game source file"), Loaded},
                 [](const GameState& s) { EXPECT_EQ(PairsOf(s), Animals); }},
        LoadCase{"EmptyPathLine",
                 Replaced({{PathLine, ""}}),
                 true,
                 {"Expected a game source file name\nbut it is missing.\n\nClick Ok to continue.",
                  "Loaded file OK\n\nOringinal game was started from file\n"},
                 [](const GameState& s) { EXPECT_EQ(s.BrowseFileName, ""); }},
        LoadCase{"CounterForms",
                 Replaced({{CorrectLine, "Correct:x"},
                           {WrongLine, "Wrong 3"},
                           {HintsLine, "Hints:1:  -7"}}),
                 true,
                 {Unexpected("Wrong 3", "Wrong:"), Loaded},
                 [](const GameState& s) { ExpectCounters(s, 0, 0, -7); }},
        LoadCase{"CountersSaturate",
                 Replaced({{CorrectLine, "Correct:99999999999999999999"},
                           {WrongLine, "Wrong:-99999999999999999999"},
                           {HintsLine, "Hints:+12abc"}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     ExpectCounters(s, std::numeric_limits<std::int32_t>::max(),
                                    std::numeric_limits<std::int32_t>::min(), 12);
                 }},
        LoadCase{"ArrayTopBannerWithTooFewStars",
                 Replaced({{ArrayTopLine, "Start of ArrayTop section ************************"}}),
                 false,
                 {NoArrayTop},
                 ExpectNoGame},
        LoadCase{"ArrayTopBannerAsLastLine",
                 Joined({SmallGameLines.begin(), SmallGameLines.begin() + ArrayTopLine}) +
                     SmallGameLines[ArrayTopLine],
                 false,
                 {NoArrayTop},
                 ExpectNoGame},
        LoadCase{"BannersWithTrailingBlanks",
                 Replaced({{ArrayTopLine, SmallGameLines[ArrayTopLine] + "  \r"},
                           {ArrayIndexLine, SmallGameLines[ArrayIndexLine] + " "}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     ExpectCells(s, {0, 0, NoPair, 1, 1}, {0, 1, -1, 0, 1});
                 }},
        LoadCase{"ArrayIndexBannerWithBlankBefore",
                 Replaced({{ArrayIndexLine, " " + SmallGameLines[ArrayIndexLine]}}),
                 false,
                 {NoArrayIndex},
                 [](const GameState& s) {
                     EXPECT_EQ(PairsOf(s), Animals);
                     ExpectCells(s, std::vector(5, NoPair), std::vector(5, 0));
                     ExpectCounters(s, 1, 2, 3);
                 }},
        LoadCase{"BlankLineAmongPairs",
                 Inserted(SecondPairLine, {""}),
                 true,
                 {OddWords, NullPair(1), OddWords, NullPair(1), Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(PairsOf(s), std::vector<Words>({{"chat", "cat"}}));
                     ExpectCells(s, {0, 0, NoPair, NoPair, NoPair}, {0, 1, -1, 0, 1});
                 }},
        LoadCase{"BlankLineAmongCells",
                 Inserted(FirstCellLine + 2, {""}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     ExpectCells(s, {0, 0, NoPair, NoPair, NoPair}, {0, 1, 0, 0, 0});
                 }},
        LoadCase{"PairLinesWithoutWords",
                 Replaced({{SecondPairLine - 1, "Index:5"}, {SecondPairLine, "Index:1::"}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(PairsOf(s), std::vector<Words>({{"Missing TextA", "5"}, {"", ""}}));
                 }},
        LoadCase{
            "PairLinesOfMissingWords",
            Replaced({{SecondPairLine - 1, "Index:0::cat"},
                      {SecondPairLine, "Index:1:chien:Missing word"}}),
            true,
            {Loaded},
            [](const GameState& s) {
                EXPECT_EQ(PairsOf(s), std::vector<Words>({{"", "cat"}, {"chien", "Missing word"}}));
            }},
        LoadCase{"CellNamingAPairBeyondTheList",
                 Replaced({{FirstCellLine, "Array:0:ArrayTop:9:AB:0"},
                           {FirstCellLine + 1, "Array:1:ArrayTop:-2:AB:1"}}),
                 true,
                 {OddWords, NullPair(9), OddWords, NullPair(-2), Loaded},
                 [](const GameState& s) {
                     ExpectCells(s, {NoPair, NoPair, NoPair, 1, 1}, {0, 1, -1, 0, 1});
                 }},
        LoadCase{"CellOfThePairNotFound",
                 Replaced({{FirstCellLine + 3, "Array:3:ArrayTop:-1 Error not found:AB:1"}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     ExpectCells(s, {0, 0, NoPair, NoPair, 1}, {0, 1, -1, 1, 1});
                 }},
        LoadCase{"NumbersAfterIndexAndArrayIgnored",
                 Replaced({{SecondPairLine - 1, "Index:7:chat:cat"},
                           {FirstCellLine, "Array:7:ArrayTop:1:AB:0"},
                           {FirstCellLine + 1, "Array:2:ArrayTop::AB:1"}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(PairsOf(s), Animals);
                     ExpectCells(s, {1, 0, NoPair, 1, 1}, {0, 1, -1, 0, 1});
                 }},
        LoadCase{"CellCountLineSkippedWhateverItHolds",
                 Without(CellCountLine),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     ExpectCells(s, {0, NoPair, 1, 1, NoPair}, {1, -1, 0, 1, 0});
                 }},
        LoadCase{
            "CellLinesBeyondTheBoardIgnored",
            Inserted(FirstCellLine + 5, {"Array:5:ArrayTop:0:AB:0", "Array:6:ArrayTop:9:AB:1"}),
            true,
            {Loaded},
            [](const GameState& s) {
                ExpectCells(s, {0, 0, NoPair, 1, 1}, {0, 1, -1, 0, 1});
            }},
        LoadCase{"HeaderWithoutDescription",
                 Replaced({{0, "Glossatiles saved game file: "}}),
                 true,
                 {Loaded},
                 [](const GameState& s) {
                     EXPECT_EQ(s.FileDescription, "FileDescription not available");
                 }},
        LoadCase{"EmptyFile",
                 "",
                 false,
                 {NoArrayTop},
                 [](const GameState& s) {
                     EXPECT_EQ(s.FileDescription, "FileDescription not available");
                     ExpectNoGame(s);
                 }},
        LoadCase{"WordList",
                 Joined({"French animals", "chat", "cat", "chien", "dog", "cheval", "horse",
                         "vache", "cow"}),
                 false,
                 {Unexpected("chat", "Game source file"), Unexpected("dog", "Correct:"),
                  Unexpected("cheval", "Wrong:"), Unexpected("horse", "Hints:"), NoArrayTop},
                 [](const GameState& s) {
                     EXPECT_EQ(s.BrowseFileName, "cat");
                     ExpectNoGame(s);
                 }}),
    [](const auto& info) { return info.param.name; });

} // namespace
