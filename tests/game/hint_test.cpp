#include "game/allocate_board.h"
#include "game/hint.h"
#include "game/tile_removal.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

using Draw = RecordingHost::TileDraw;

// Pair 0 on top at (2, 3) and (1, 5); pair 1 stacked at (3, 4), which no hint can reach.
struct HintBoard : PlayBoard {
    std::int32_t cellAt23 = Put(0, 0, 2, 2, 3);
    std::int32_t cellAt15 = Put(0, 1, 2, 1, 5);
    HintBoard() : PlayBoard(3) {
        Put(1, 0, 1, 3, 4);
        Put(1, 1, 2, 3, 4);
    }
};

TEST(Hint, TwoHintsInARowFrameTheFirstPairInColumnOrderAndCountTwice) {
    HintBoard board;
    Hint(board.state, board.host);
    board.PressAt(3, 4);
    Hint(board.state, board.host);
    // (1, 5) before (2, 3), stored from 0
    EXPECT_EQ(std::vector({board.state.HintCol1, board.state.HintRow1, board.state.HintCol2,
                           board.state.HintRow2}),
              std::vector({0, 4, 1, 2}));
    EXPECT_EQ(board.state.HintCount, 2);
    EXPECT_EQ(board.host.hintsPanelDraws, 2);
    EXPECT_EQ(board.host.hintHighlights, (std::vector<bool>{false, true}));
    EXPECT_EQ(board.host.runningTimers, (std::map<int, int>{{HintTimerId, HintDuration}}));
}

TEST(Hint, ExpiryRedrawsBothPositionsAsTheyAreNowThenTheSelection) {
    HintBoard board;
    Hint(board.state, board.host);
    board.PressAt(3, 4);
    EmptyCell(board.state, board.cellAt23);
    board.host.tiles.clear();
    HintExpired(board.state, board.host);
    EXPECT_FALSE(board.host.TimerRunning(HintTimerId));
    EXPECT_EQ(
        board.host.tiles,
        (std::vector<Draw>{{0, 1, 5, 2, "b0"}, {0, 2, 3, 1, std::nullopt}, {1, 3, 4, 1, "a1"}}));
}

TEST(Hint, NothingToFindChangesNothing) {
    HintBoard stackedOnly;
    EmptyCell(stackedOnly.state, stackedOnly.cellAt15);
    HintBoard noBoard;
    DiscardBoard(noBoard.state);
    for (HintBoard* board : {&stackedOnly, &noBoard}) {
        Hint(board->state, board->host);
        EXPECT_EQ(board->state.HintCount, 0);
        EXPECT_TRUE(board->host.runningTimers.empty());
        EXPECT_TRUE(board->host.hintHighlights.empty());
    }
}

// A loaded game may carry the largest count already.
TEST(Hint, CountersStopAtTheirLargestValue) {
    HintBoard board;
    board.state.HintCount = board.state.WrongCount = INT32_MAX;
    Hint(board.state, board.host);
    board.PressAt(2, 3);
    board.PressAt(3, 4);
    EXPECT_EQ(std::pair(board.state.HintCount, board.state.WrongCount),
              std::pair(INT32_MAX, INT32_MAX));
}

} // namespace
