#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "game/stacked_board.h"
#include "support/board_checks.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace {

class StackedBoardTest : public testing::Test {
protected:
    void SetUp() override {
        state.WordList = NumberedPairs(11); // three levels: (2,4) has a stack of three cells
        state.WordsCount = 11;
        ASSERT_EQ(AllocateBoard(state, host), 0);
    }
    GameState state;
    RecordingHost host;
};

TEST_F(StackedBoardTest, FindsTheFirstEmptyCellAndTheTileAboveIt) {
    StackedBoard board(state, host);
    EXPECT_EQ(board.FirstEmptyCellAt(2, 4), CellIndex(1, 2, 4));
    EXPECT_EQ(board.CoveringCellAt(2, 4), NoCell);
    board.Place(CellIndex(1, 2, 4), 0, 0);
    EXPECT_EQ(board.FirstEmptyCellAt(2, 4), CellIndex(2, 2, 4));
    EXPECT_EQ(board.CoveringCellAt(2, 4), CellIndex(1, 2, 4));
    board.Place(CellIndex(2, 2, 4), 1, 0);
    board.Place(CellIndex(3, 2, 4), 2, 0);
    EXPECT_EQ(board.FirstEmptyCellAt(2, 4), NoCell);
    EXPECT_EQ(board.CoveringCellAt(2, 4), NoCell);
    EXPECT_EQ(board.FirstEmptyCellAt(0, 0), NoCell);
    // Row 2 starts on level 3.
    EXPECT_EQ(board.FirstEmptyCellAt(1, 2), CellIndex(3, 1, 2));
}

TEST_F(StackedBoardTest, PartnerIsTheOtherCellOfThePair) {
    StackedBoard board(state, host);
    board.Place(CellIndex(1, 1, 4), 3, 0);
    board.Place(CellIndex(2, 5, 3), 3, 1);
    EXPECT_EQ(board.PartnerCell(CellIndex(1, 1, 4)), CellIndex(2, 5, 3));
    EXPECT_EQ(board.PartnerCell(CellIndex(2, 5, 3)), CellIndex(1, 1, 4));
    board.Place(CellIndex(1, 2, 4), 4, 0);
    EXPECT_EQ(board.PartnerCell(CellIndex(1, 2, 4)), NoCell);
}

// Pair 0 lies on (1,4) and on top of (2,4); under it at (2,4) pair 1 lies on itself, which
// can never be picked. A tile put under (1,4) would wait on pair 0, which the walk finds
// leads into pair 1's stack twice.
TEST_F(StackedBoardTest, ReportsAPairThatWaitsOnItself) {
    StackedBoard board(state, host);
    board.Place(CellIndex(1, 1, 4), 0, 0);
    board.Place(CellIndex(1, 2, 4), 0, 1);
    board.Place(CellIndex(2, 2, 4), 1, 0);
    board.Place(CellIndex(3, 2, 4), 1, 1);
    EXPECT_EQ(board.CheckForBlockedTiles(1, 4), 1);
}

TEST_F(StackedBoardTest, ClearsTilesThatCanAllBePicked) {
    StackedBoard board(state, host);
    board.Place(CellIndex(1, 1, 4), 0, 0);
    board.Place(CellIndex(1, 2, 4), 0, 1);
    board.Place(CellIndex(2, 2, 4), 1, 0);
    board.Place(CellIndex(1, 3, 4), 1, 1);
    EXPECT_EQ(board.CheckForBlockedTiles(1, 4), 0);
    EXPECT_EQ(board.CheckForBlockedTiles(4, 4), 0); // nothing above the new tile
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
