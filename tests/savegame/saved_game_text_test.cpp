#include "savegame/saved_game_text.h"

#include "game_builder.h"
#include "savegame/word_pair_index.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

namespace {

const std::string MissingWordWarning =
    "Warning there appears to be a missing word\nin the word pairs.";

GameState AnimalsAfterOneMatch() {
    GameState state = MakeGame({{"chat", "cat"}, {"chien", "dog"}}, {{1, 1, 0}, {4, 1, 1}});
    state.FileDescription = "French animals";
    state.BrowseFileName = "C:\\words\\animals.txt";
    state.CorrectCount = 1;
    state.WrongCount = 2;
    return state;
}

TEST(SavedGameText, SmallGameIsWrittenByteForByte) {
    GameState state = AnimalsAfterOneMatch();
    RecordingHost host; // its clock stands at 2008-02-03 13:05 UTC
    EXPECT_EQ(SavedGameText(state, host),
              "Glossatiles saved game file: French animals\r\n"
              "Game source file\r\n"
              "C:\\words\\animals.txt\r\n"
              "Time 13:05 03-02-2008\r\n"
              "Correct:1\r\n"
              "Wrong:2\r\n"
              "Hints:0\r\n"
              "Start of ArrayTop section *************************\r\n"
              "Index:0:chat:cat\r\n"
              "Index:1:chien:dog\r\n"
              "End of ArrayTop section *************************\r\n"
              "Start of ArrayIndex section *************************\r\n"
              "CellCount 5\r\n"
              "Array:0:ArrayTop:-1:AB:-1\r\n"
              "Array:1:ArrayTop:1:AB:0\r\n"
              "Array:2:ArrayTop:-1:AB:-1\r\n"
              "Array:3:ArrayTop:-1:AB:-1\r\n"
              "Array:4:ArrayTop:1:AB:1\r\n"
              "End of ArrayIndex section *************************\r\n");
    EXPECT_TRUE(host.messages.empty());
}

TEST(SavedGameText, HeaderKeepsItsBlankAndCountersTheirSign) {
    GameState state = AnimalsAfterOneMatch();
    state.FileDescription.clear();
    state.HintCount = -3;
    RecordingHost host;
    const std::string text = SavedGameText(state, host);
    EXPECT_TRUE(text.starts_with("Glossatiles saved game file: \r\nGame source file\r\n"));
    EXPECT_NE(text.find("\r\nHints:-3\r\n"), std::string::npos);
}

struct PairLineCase {
    const char* name;
    WordPair pair;
    const char* line;
    WordPair pairAfterSave;
    bool warned;
};

// Tests are listed by name, not by their bytes.
std::ostream& operator<<(std::ostream& out, const PairLineCase& c) {
    return out << c.name;
}

class PairLines : public testing::TestWithParam<PairLineCase> {};

TEST_P(PairLines, AreWrittenInTheirFormAndColonsOfCompletePairsBecomeDashes) {
    const PairLineCase& c = GetParam();
    GameState state = MakeGame({c.pair}, {});
    RecordingHost host;
    const std::string text = SavedGameText(state, host);
    EXPECT_NE(text.find("*\r\n" + std::string(c.line) + "\r\nEnd of ArrayTop"), std::string::npos)
        << text;
    EXPECT_EQ(state.WordList.front().TextA, c.pairAfterSave.TextA);
    EXPECT_EQ(state.WordList.front().TextB, c.pairAfterSave.TextB);
    EXPECT_EQ(host.messages,
              c.warned ? std::vector{MissingWordWarning} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    SavedGameText, PairLines,
    testing::Values(
        PairLineCase{"Complete", {"chat", "cat"}, "Index:0:chat:cat", {"chat", "cat"}, false},
        PairLineCase{"Colons", {"a:b", "c::d"}, "Index:0:a-b:c--d", {"a-b", "c--d"}, false},
        PairLineCase{"NoTextB", {"a:b", {}}, "Index:0:a:b:Missing word", {"a:b", {}}, true},
        PairLineCase{"NoTextA", {{}, "dog"}, "Index:0::dog", {{}, "dog"}, true},
        PairLineCase{"NoWords", {}, "Index:0::Missing word", {}, true},
        PairLineCase{"EmptyWords", {"", ""}, "Index:0::", {"", ""}, false}),
    [](const auto& info) { return info.param.name; });

TEST(SavedGameText, OnlyTheFirstWordsCountPairsAreListedAndCellsBeyondThemAreNotFound) {
    GameState state = MakeGame({{"a", "1"}, {"b", "2"}}, {{0, 0, 1}, {1, 1, 0}, {3, 7, 1}});
    state.WordsCount = 1;
    RecordingHost host;
    const std::string text = SavedGameText(state, host);
    EXPECT_NE(text.find("*\r\nIndex:0:a:1\r\nEnd of ArrayTop"), std::string::npos);
    EXPECT_NE(text.find("\r\nCellCount 5\r\n"
                        "Array:0:ArrayTop:0:AB:1\r\n"
                        "Array:1:ArrayTop:-1 Error not found:AB:0\r\n"
                        "Array:2:ArrayTop:-1:AB:-1\r\n"
                        "Array:3:ArrayTop:-1 Error not found:AB:1\r\n"
                        "Array:4:ArrayTop:-1:AB:-1\r\nEnd"),
              std::string::npos)
        << text;
}

TEST(SavedGameText, BoardWithoutArraysOrCellsWritesNoCells) {
    const std::vector<std::pair<bool, std::int32_t>> boards = {{false, 45}, {true, 0}, {true, -5}};
    for (const auto& [keepArrays, cellCount] : boards) {
        GameState state = MakeGame({{"a", "1"}}, {});
        if (!keepArrays) {
            DiscardBoard(state); // a load that stopped before its board keeps the old CellCount
        }
        state.CellCount = cellCount;
        RecordingHost host;
        EXPECT_EQ(SavableCellCount(state), 0) << "CellCount " << cellCount;
        EXPECT_TRUE(SavedGameText(state, host)
                        .ends_with("\r\nCellCount 0\r\nEnd of ArrayIndex section "
                                   "*************************\r\n"))
            << "CellCount " << cellCount;
    }
}

struct ClockCase {
    const char* name;
    std::time_t now;
    const char* line;
};

std::ostream& operator<<(std::ostream& out, const ClockCase& c) {
    return out << c.name;
}

class TimeLine : public testing::TestWithParam<ClockCase> {
protected:
    // Nine hours ahead of UTC, so that local time would show a later hour and date.
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        savedZone_ = zone ? std::optional<std::string>(zone) : std::nullopt;
        setenv("TZ", "XST-9", 1);
        tzset();
    }
    void TearDown() override {
        savedZone_ ? setenv("TZ", savedZone_->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> savedZone_;
};

TEST_P(TimeLine, IsInUniversalTime) {
    GameState state = AnimalsAfterOneMatch();
    RecordingHost host;
    host.now = GetParam().now;
    const std::string text = SavedGameText(state, host);
    EXPECT_NE(text.find("\r\n" + std::string(GetParam().line) + "\r\nCorrect:"), std::string::npos)
        << text;
}

INSTANTIATE_TEST_SUITE_P(
    SavedGameText, TimeLine,
    testing::Values(ClockCase{"Afternoon", 1202043900, "Time 13:05 03-02-2008"},
                    ClockCase{"NewYearsEve", 1230755400, "Time 20:30 31-12-2008"},
                    ClockCase{"Epoch", 0, "Time 00:00 01-01-1970"},
                    ClockCase{"BeyondTheCalendar", std::numeric_limits<std::time_t>::max(),
                              "Time 00:00 01-01-1970"}),
    [](const auto& info) { return info.param.name; });

struct IndexCase {
    std::int32_t wordsCount;
    std::size_t listSize;
    std::int32_t pair;
    std::int32_t index;
};

TEST(GetWordPairIndex, IsThePositionWhenItIsAmongTheCountedPairs) {
    const IndexCase cases[] = {{2, 2, 0, 0},   {2, 2, 1, 1},  {2, 2, 2, -1}, {2, 2, NoPair, -1},
                               {2, 2, -5, -1}, {3, 2, 2, -1}, {1, 2, 1, -1}, {0, 0, 0, -1}};
    for (const IndexCase& c : cases) {
        GameState state;
        state.WordList.resize(c.listSize);
        state.WordsCount = c.wordsCount;
        EXPECT_EQ(GetWordPairIndex(state, c.pair), c.index)
            << "WordsCount " << c.wordsCount << ", list " << c.listSize << ", pair " << c.pair;
    }
}

} // namespace
