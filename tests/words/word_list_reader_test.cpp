#include "game/game_state.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "words/open_file.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Words = std::vector<std::pair<std::string, std::optional<std::string>>>;

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::string description; // "@" stands for the file's path
    Words pairs;
};

class WordListReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(WordListReader, ReadsDescriptionAndPairs) {
    const ReaderCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.Write("list.txt", c.bytes);
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, path), OpenResult::Dealt);
    EXPECT_EQ(state.FileDescription, c.description == "@" ? path : c.description);
    Words read;
    for (const WordPair& pair : state.WordList) {
        read.emplace_back(pair.TextA.value_or("<none>"), pair.TextB);
    }
    EXPECT_EQ(read, c.pairs);
    EXPECT_EQ(state.WordsCount, static_cast<int>(c.pairs.size()));
    EXPECT_TRUE(host.messages.empty());
}

const std::string Long2000 = std::string(2000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, WordListReader,
    testing::Values(
        ReaderCase{"Plain",
                   "French verbs, lesson 3\nmanger\nto eat\nboire\nto drink\n",
                   "French verbs, lesson 3",
                   {{"manger", "to eat"}, {"boire", "to drink"}}},
        ReaderCase{"EmptyFile", "", "@", {}},
        ReaderCase{"DescriptionOnly", "Animals", "Animals", {}},
        ReaderCase{"BlankFirstLine", "   \nchat\ncat\n", "@", {{"chat", "cat"}}},
        ReaderCase{"BlankLineEndsTheList", "d\nchat\ncat\n\nchien\ndog\n", "d", {{"chat", "cat"}}},
        ReaderCase{
            "LineOfBlanksEndsTheList", "d\nchat\ncat\n   \nchien\ndog\n", "d", {{"chat", "cat"}}},
        ReaderCase{"TrailingBlanksGoLeadingStayTabsStay",
                   "d\nabc  \n  abc\nabc\t\nx\r\n",
                   "d",
                   {{"abc", "  abc"}, {"abc\t", "x"}}},
        ReaderCase{"CrLf", "d\r\nchat\r\ncat\r\n", "d", {{"chat", "cat"}}},
        ReaderCase{"LoneCrStaysInsideAWord", "d\na\rb\nc\n", "d", {{"a\rb", "c"}}},
        ReaderCase{"LastLineWithoutLineEnd", "d\nchat\ncat", "d", {{"chat", "cat"}}},
        ReaderCase{"OddNumberOfWords",
                   "d\nchat\ncat\nchien\n",
                   "d",
                   {{"chat", "cat"}, {"chien", std::nullopt}}},
        ReaderCase{"ColonsAndNulBytesAreWords",
                   std::string("d\na:b\nc\0d\n", 10),
                   "d",
                   {{"a:b", std::string("c\0d", 3)}}},
        // 998, 998 and 4 characters: three words, which shifts every later pair.
        ReaderCase{"LongLineIsReadInPieces",
                   "d\n" + Long2000 + "\nnext\n",
                   "d",
                   {{std::string(998, 'x'), std::string(998, 'x')}, {"xxxx", "next"}}},
        // A word that exactly fills a piece does not leave an empty line behind.
        ReaderCase{"WordOfExactly998",
                   "d\n" + std::string(998, 'y') + "\r\nz\nw\nv\n",
                   "d",
                   {{std::string(998, 'y'), "z"}, {"w", "v"}}},
        ReaderCase{"LongDescriptionIsCut",
                   std::string(400, 'D') + "\na\nb\n",
                   std::string(299, 'D'),
                   {{"a", "b"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenFile, DealsTheListAndNamesItInTheTitle) {
    TempDir dir;
    const std::string path =
        dir.Write("french-and-english-animals.txt", "Animals\nchat\ncat\nchien\ndog\n");
    GameState state;
    RecordingHost host;
    host.filesToOpen.push_back(path);
    state.DisplayedLevel = 3;
    state.SelectedCol = 2;
    state.SelectedRow = 2;
    EXPECT_EQ(OpenFile(state, host), OpenResult::Dealt);
    EXPECT_EQ(state.BrowseFileName, path);
    ASSERT_FALSE(host.titles.empty());
    EXPECT_EQ(host.titles.back().substr(0, 17), "Glossatiles - ...");
    EXPECT_EQ(host.titles.back().substr(17), path.substr(path.size() - 34));
    EXPECT_EQ(state.LevelCount, 1);
    EXPECT_EQ(std::count(state.AssignmentArray.begin(), state.AssignmentArray.end(), NoPair), 1);
    EXPECT_EQ(state.DisplayedLevel, 0);
    EXPECT_FALSE(state.HasSelection());
    EXPECT_EQ(host.invalidations, 1);
}

TEST(OpenFile, CancelledChooserChangesNothingButThePath) {
    TempDir dir;
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, dir.Write("a.txt", "d\na\nb\n")), OpenResult::Dealt);
    const auto cells = state.AssignmentArray;
    EXPECT_EQ(OpenFile(state, host), OpenResult::Cancelled);
    EXPECT_EQ(state.BrowseFileName, "");
    EXPECT_EQ(state.AssignmentArray, cells);
    EXPECT_EQ(state.FileDescription, "d");
    EXPECT_TRUE(host.messages.empty());
}

TEST(OpenFile, AFileThatCannotBeOpenedLeavesNoBoard) {
    TempDir dir;
    const std::string listPath = dir.Write("a.txt", "d\na\nb\n");
    for (const std::string& bad : {(dir.path() / "missing.txt").string(), dir.path().string()}) {
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, listPath), OpenResult::Dealt);
        EXPECT_EQ(OpenFileAtPath(state, host, bad), OpenResult::Failed);
        EXPECT_EQ(host.messages, std::vector<std::string>{"Error can't open the file\n" + bad});
        EXPECT_FALSE(state.HasBoard());
        EXPECT_TRUE(state.WordList.empty());
        EXPECT_EQ(state.WordsCount, 0);
        EXPECT_EQ(state.CellCount, 0);
        EXPECT_EQ(host.titles.size(), 1u); // only the successful open set one
    }
}

TEST(OpenFile, APathTooLongForTheGameIsRefusedAndTheGameKept) {
    TempDir dir;
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, dir.Write("a.txt", "d\na\nb\n")), OpenResult::Dealt);
    const std::string longPath = "/" + std::string(1000, 'p');
    EXPECT_EQ(OpenFileAtPath(state, host, longPath), OpenResult::Failed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("longer than 299"), std::string::npos);
    EXPECT_EQ(state.WordsCount, 1);
    EXPECT_TRUE(state.HasBoard());
}

TEST(OpenFile, ASavedGameIsHandedToTheLoader) {
    TempDir dir;
    const std::string path = dir.Write(
        "game.txt", "Glossatiles saved game file: Animals\r\nGame source file\r\nanimals.txt\r\n"
                    "Time 13:05 03-02-2008\r\nCorrect:1\r\nWrong:2\r\nHints:3\r\n"
                    "Start of ArrayTop section *************************\r\n"
                    "Index:0:chat:cat\r\nEnd of ArrayTop section *************************\r\n"
                    "Start of ArrayIndex section *************************\r\nCellCount 5\r\n"
                    "Array:0:ArrayTop:0:AB:1\r\nArray:1:ArrayTop:-1:AB:-1\r\n"
                    "Array:2:ArrayTop:0:AB:0\r\n"
                    "End of ArrayIndex section *************************\r\n");
    GameState state;
    RecordingHost host;
    EXPECT_EQ(OpenFileAtPath(state, host, path), OpenResult::Loaded);
    EXPECT_EQ(state.FileDescription, "Animals");
    EXPECT_EQ(state.BrowseFileName, "animals.txt");
    EXPECT_EQ(state.WrongCount, 2);
    EXPECT_EQ(state.AssignmentArray, (std::vector<std::int32_t>{0, NoPair, 0, NoPair, NoPair}));
    EXPECT_EQ(host.messages.back(),
              "Loaded file OK\n\nOringinal game was started from file\nanimals.txt");
}

} // namespace
