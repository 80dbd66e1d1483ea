#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace {

struct LevelRuleCase {
    int words;
    int levels;
    int cells;
};

class LevelRule : public testing::TestWithParam<LevelRuleCase> {};

TEST_P(LevelRule, SizesTheBoardFromThePairCount) {
    const LevelRuleCase c = GetParam();
    EXPECT_EQ(LevelCountFor(c.words), c.levels);
    EXPECT_EQ(CellCountFor(c.levels), c.cells);
    EXPECT_GE(c.cells, 2 * c.words);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, LevelRule,
                         testing::Values(LevelRuleCase{0, 1, 5}, LevelRuleCase{2, 1, 5},
                                         LevelRuleCase{3, 2, 20}, LevelRuleCase{10, 2, 20},
                                         LevelRuleCase{11, 3, 45}, LevelRuleCase{22, 3, 45},
                                         LevelRuleCase{23, 4, 80}, LevelRuleCase{40, 4, 80},
                                         LevelRuleCase{41, 5, 115}, LevelRuleCase{57, 5, 115},
                                         LevelRuleCase{58, 6, 150}, LevelRuleCase{75, 7, 185},
                                         LevelRuleCase{100000, 5717, 200035}));

TEST(LevelRule, AlwaysHasRoomForBothTilesOfEveryPair) {
    for (int words = 0; words <= 5000; ++words) {
        ASSERT_GE(CellCountFor(LevelCountFor(words)), 2 * words) << words;
    }
}

struct CellCase {
    int level;
    int column;
    int row;
    int cell;
};

class CellNumbering : public testing::TestWithParam<CellCase> {};

TEST_P(CellNumbering, NumbersCellsLevelByLevelAndRowByRow) {
    const CellCase c = GetParam();
    EXPECT_EQ(CellIndex(c.level, c.column, c.row), c.cell);
    if (c.cell >= 0) {
        const CellPlace place = PlaceOfCell(c.cell);
        EXPECT_EQ(place.level, c.level);
        EXPECT_EQ(place.column, c.column);
        EXPECT_EQ(place.row, c.row);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CellNumbering,
    testing::Values(CellCase{1, 1, 4, 0}, CellCase{1, 5, 4, 4}, CellCase{2, 1, 4, 10},
                    CellCase{2, 1, 3, 5}, CellCase{2, 5, 5, 19}, CellCase{3, 1, 4, 30},
                    CellCase{3, 1, 2, 20}, CellCase{3, 5, 6, 44}, CellCase{4, 1, 4, 60},
                    CellCase{4, 1, 1, 45}, CellCase{4, 5, 7, 79}, CellCase{5, 1, 1, 80},
                    CellCase{5, 5, 7, 114}, CellCase{1, 1, 3, -1}, CellCase{1, 1, 5, -1},
                    CellCase{2, 3, 2, -1}, CellCase{3, 2, 1, -1}, CellCase{3, 2, 7, -1},
                    CellCase{0, 1, 4, -1}, CellCase{4, 0, 4, -1}, CellCase{4, 6, 4, -1}));

TEST(CellNumbering, EveryCellOfABoardHasOnePlace) {
    const int levels = 9;
    for (int cell = 0; cell < CellCountFor(levels); ++cell) {
        const CellPlace place = PlaceOfCell(cell);
        ASSERT_EQ(CellIndex(place.level, place.column, place.row), cell);
    }
}

TEST(CellNumbering, AThreeLevelBoardHasNoCellsInRowsOneAndSeven) {
    for (int level = 1; level <= 3; ++level) {
        for (int column = 1; column <= BoardColumns; ++column) {
            EXPECT_EQ(CellIndex(level, column, 1), -1);
            EXPECT_EQ(CellIndex(level, column, 7), -1);
        }
    }
}

class TopTile : public testing::Test {
protected:
    void SetUp() override {
        state.WordList.resize(23);
        state.WordsCount = 23; // four levels
        ASSERT_EQ(AllocateBoard(state, host), 0);
    }
    GameState state;
    RecordingHost host;
};

TEST_F(TopTile, NoTileOnAnEmptyBoardOrWithoutBoard) {
    EXPECT_EQ(TopCellAt(state, 3, 4), -1);
    EXPECT_EQ(TopLevelAt(state, 3, 4), 0);
    GameState noBoard;
    EXPECT_EQ(TopCellAt(noBoard, 3, 4), -1);
}

TEST_F(TopTile, SkipsGapsInAStack) {
    PlaceTile(state, CellIndex(4, 2, 4), 7, 0);
    EXPECT_EQ(TopCellAt(state, 2, 4), CellIndex(4, 2, 4));
    EXPECT_EQ(TopLevelAt(state, 2, 4), 4);

    // A tile placed above the known top becomes the top.
    PlaceTile(state, CellIndex(2, 2, 4), 3, 1);
    EXPECT_EQ(TopCellAt(state, 2, 4), CellIndex(2, 2, 4));
    EXPECT_EQ(TopLevelAt(state, 2, 4), 2);

    state.AssignmentArray[static_cast<std::size_t>(CellIndex(2, 2, 4))] = NoPair;
    EXPECT_EQ(TopLevelAt(state, 2, 4), 4);
    state.AssignmentArray[static_cast<std::size_t>(CellIndex(4, 2, 4))] = NoPair;
    EXPECT_EQ(TopCellAt(state, 2, 4), -1);

    // A new tile after the position was found empty is found again.
    PlaceTile(state, CellIndex(3, 2, 4), 1, 0);
    EXPECT_EQ(TopLevelAt(state, 2, 4), 3);
}

TEST_F(TopTile, ProbesOnlyTheLevelsThatCoverTheRow) {
    PlaceTile(state, CellIndex(4, 5, 1), 0, 0);
    PlaceTile(state, CellIndex(3, 5, 2), 1, 0);
    EXPECT_EQ(TopLevelAt(state, 5, 1), 4);
    EXPECT_EQ(TopLevelAt(state, 5, 2), 3);
    EXPECT_EQ(TopCellAt(state, 5, 7), -1);
}

TEST_F(TopTile, WordsShownAndHiddenFollowTheSide) {
    state.WordList[0] = {"chat", "cat"};
    state.WordList[1] = {"chien", std::nullopt};
    PlaceTile(state, 0, 0, 0);
    PlaceTile(state, 1, 0, 1);
    PlaceTile(state, 2, 1, 1);
    ASSERT_NE(WordShownAt(state, 0), nullptr);
    EXPECT_EQ(*WordShownAt(state, 0), "chat");
    EXPECT_EQ(*WordHiddenAt(state, 0), "cat");
    EXPECT_EQ(*WordShownAt(state, 1), "cat");
    EXPECT_EQ(WordShownAt(state, 2), nullptr); // the pair has no second word
    EXPECT_EQ(*WordHiddenAt(state, 2), "chien");
    EXPECT_EQ(WordShownAt(state, 3), nullptr);
    EXPECT_EQ(WordShownAt(state, 100000), nullptr);
}

TEST(AllocateBoard, ResetsPlayButKeepsTheList) {
    GameState state;
    RecordingHost host;
    state.WordList.resize(11);
    state.WordsCount = 11;
    state.FileDescription = "French verbs";
    state.CorrectCount = 4;
    state.WrongCount = 2;
    state.HintCount = 9;
    state.SelectedCol = 2;
    state.SelectedRow = 3;
    state.WrongMarkCol = 1;
    state.DisplayedLevel = 2;
    state.LastRemovedTextA = "manger";
    state.RecordFileName = "saved.txt";
    ASSERT_EQ(AllocateBoard(state, host), 0);
    EXPECT_EQ(state.LevelCount, 3);
    EXPECT_EQ(state.CellCount, 45);
    EXPECT_EQ(state.AssignmentArray, std::vector<std::int32_t>(45, NoPair));
    EXPECT_EQ(state.AssignmentAB, std::vector<std::int32_t>(45, 0));
    EXPECT_EQ(state.CorrectCount + state.WrongCount + state.HintCount, 0);
    EXPECT_FALSE(state.HasSelection());
    EXPECT_FALSE(state.HasWrongMark());
    EXPECT_EQ(state.DisplayedLevel, 0);
    EXPECT_EQ(state.LastRemovedTextA, "");
    EXPECT_EQ(state.WordList.size(), 11u);
    EXPECT_EQ(state.FileDescription, "French verbs");
    EXPECT_EQ(state.RecordFileName, "saved.txt");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
