#include "game/hint.h"
#include "game/hint_search.h"
#include "game/pick.h"
#include "game/play_board.h"
#include "game/tile_removal.h"

#include <gtest/gtest.h>

namespace {

using Draw = RecordingHost::TileDraw;

// Pair 0 on top at (2, 3) and (1, 5); pair 1 stacked at (3, 4), which no hint can reach.
struct HintBoard : PlayBoard {
    std::int32_t cellAt23;
    std::int32_t cellAt15;
    HintBoard() : PlayBoard(3) {
        cellAt23 = Put(0, 0, 2, 2, 3);
        cellAt15 = Put(0, 1, 2, 1, 5);
        Put(1, 0, 1, 3, 4);
        Put(1, 1, 2, 3, 4);
    }
};

TEST(Hint, ColumnMajorOrderPutsColumnOneFirst) {
    HintBoard board;
    const std::optional<HintPair> pair = FindHintPair(board.state);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->first, (BoardPosition{1, 5}));
    EXPECT_EQ(pair->second, (BoardPosition{2, 3}));
    EXPECT_EQ(pair->firstCell, board.cellAt15);
    EXPECT_EQ(pair->secondCell, board.cellAt23);
}

TEST(Hint, TwoHintsInARowFrameTheSamePairAndCountTwice) {
    HintBoard board;
    Hint(board.state, board.host);
    LeftButtonDown(board.state, board.host, PixelX(3), PixelY(4));
    Hint(board.state, board.host);
    EXPECT_EQ(board.state.HintCol1, 0);
    EXPECT_EQ(board.state.HintRow1, 4);
    EXPECT_EQ(board.state.HintCol2, 1);
    EXPECT_EQ(board.state.HintRow2, 2);
    EXPECT_EQ(board.state.HintCount, 2);
    EXPECT_EQ(board.host.hintsPanelDraws, 2);
    EXPECT_EQ(board.host.hintHighlights, (std::vector<bool>{false, true}));
    EXPECT_EQ(board.host.runningTimers, (std::map<int, int>{{HintTimerId, HintDuration}}));
}

TEST(Hint, ExpiryRedrawsBothPositionsAsTheyAreNowThenTheSelection) {
    HintBoard board;
    Hint(board.state, board.host);
    LeftButtonDown(board.state, board.host, PixelX(3), PixelY(4));
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
    PlayBoard noBoard(0);
    DiscardBoard(noBoard.state);
    for (PlayBoard* board : {static_cast<PlayBoard*>(&stackedOnly), &noBoard}) {
        Hint(board->state, board->host);
        EXPECT_EQ(board->state.HintCount, 0);
        EXPECT_TRUE(board->host.runningTimers.empty());
        EXPECT_TRUE(board->host.hintHighlights.empty());
    }
}

} // namespace

namespace {

// A loaded game may carry the largest count already.
TEST(Hint, CountersStopAtTheirLargestValue) {
    HintBoard board;
    board.state.HintCount = INT32_MAX;
    Hint(board.state, board.host);
    EXPECT_EQ(board.state.HintCount, INT32_MAX);
    board.state.WrongCount = INT32_MAX;
    LeftButtonDown(board.state, board.host, PixelX(2), PixelY(3));
    LeftButtonDown(board.state, board.host, PixelX(3), PixelY(4));
    EXPECT_EQ(board.state.WrongCount, INT32_MAX);
}

} // namespace
