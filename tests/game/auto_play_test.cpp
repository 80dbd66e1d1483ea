#include "game/auto_play.h"
#include "game/deal.h"
#include "game/hint_search.h"
#include "game/pick.h"
#include "game/play_board.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Draw = RecordingHost::TileDraw;

void Tick(PlayBoard& board) {
    OnTimer(board.state, board.host, AutoTimerId);
}

int TilesLeft(const GameState& state) {
    return static_cast<int>(std::count_if(state.AssignmentArray.begin(),
                                          state.AssignmentArray.end(),
                                          [](std::int32_t pair) { return pair != NoPair; }));
}

// Pair 0 at (1, 4) over pair 1, and at (2, 3); pair 1 again at (5, 5); pair 2 stacked at
// (4, 4) when `stacked`, else spread over (4, 4) and (3, 5).
struct AutoBoard : PlayBoard {
    explicit AutoBoard(bool stacked = false) : PlayBoard(3) {
        Put(0, 0, 1, 1, 4);
        Put(1, 1, 2, 1, 4);
        Put(0, 1, 2, 2, 3);
        Put(1, 0, 2, 5, 5);
        Put(2, 0, 1, 4, 4);
        Put(2, 1, 2, stacked ? 4 : 3, stacked ? 4 : 5);
    }
};

TEST(AutoPlay, AutoRemovePairRemovesOnePairATickLater) {
    AutoBoard board;
    AutoRemovePair(board.state, board.host);
    EXPECT_EQ(board.state.HintCount, 1);
    EXPECT_EQ(board.host.hintHighlights, (std::vector<bool>{false}));
    EXPECT_EQ(board.host.runningTimers, (std::map<int, int>{{AutoTimerId, SlowAutoInterval}}));
    EXPECT_EQ(TilesLeft(board.state), 6);

    Tick(board);
    EXPECT_EQ(TilesLeft(board.state), 4);
    EXPECT_EQ(board.state.CorrectCount, 0);
    EXPECT_EQ(board.state.HintCount, 1);
    EXPECT_EQ(board.state.LastRemovedTextA, "a0");
    EXPECT_EQ(board.state.LastRemovedTextB, "b0");
    EXPECT_EQ(board.host.removedPanelDraws, 1);
    EXPECT_EQ(board.host.tiles, (std::vector<Draw>{{0, 1, 4, 2, "b1"}, {0, 2, 3, 1, {}}}));
    EXPECT_FALSE(board.state.AutoRemovePending);
    EXPECT_TRUE(board.host.runningTimers.empty());
}

TEST(AutoPlay, FastFinishRunsUntilNoTopTilesShareAnEntry) {
    for (const bool stacked : {false, true}) {
        SCOPED_TRACE(stacked ? "a stacked pair stays" : "the board empties");
        AutoBoard board(stacked);
        FastAutoFinish(board.state, board.host);
        int ticks = 0;
        while (board.host.TimerRunning(AutoTimerId)) {
            EXPECT_EQ(board.host.runningTimers.at(AutoTimerId), FastAutoInterval);
            Tick(board);
            ++ticks;
        }
        EXPECT_EQ(ticks, stacked ? 2 : 3);
        EXPECT_EQ(board.state.HintCount, ticks);
        EXPECT_EQ(TilesLeft(board.state), stacked ? 2 : 0);
        EXPECT_TRUE(board.host.messages.empty());
    }
}

TEST(AutoPlay, RunToEndFinishesADealtGameWithoutTimers) {
    PlayBoard board(30);
    NewGame(board.state, board.host);
    RunFastAutoFinishToEnd(board.state, board.host);
    EXPECT_FALSE(FindHintPair(board.state));
    EXPECT_FALSE(board.state.AutoRemovePending);
    EXPECT_GT(board.state.HintCount, 0);
    EXPECT_EQ(TilesLeft(board.state), 60 - 2 * board.state.HintCount);
    EXPECT_TRUE(board.host.messages.empty());
}

TEST(AutoPlay, AutoRemovePairDuringAFastRunEndsItAfterThatPair) {
    AutoBoard board;
    FastAutoFinish(board.state, board.host);
    const std::int32_t pendingCell = board.state.AutoCell1;
    AutoRemovePair(board.state, board.host);
    EXPECT_EQ(board.state.AutoCell1, pendingCell);
    EXPECT_EQ(board.state.HintCount, 2);
    EXPECT_EQ(board.host.runningTimers.at(AutoTimerId), SlowAutoInterval);
    Tick(board);
    EXPECT_EQ(TilesLeft(board.state), 4);
    EXPECT_FALSE(board.host.TimerRunning(AutoTimerId));
}

TEST(AutoPlay, TickWithNothingPendingIsATimerOverrun) {
    AutoBoard board;
    board.state.LastRemovedTextA = "old";
    board.state.LastRemovedTextB = "words";
    Tick(board);
    EXPECT_EQ(board.host.messages, (std::vector<std::string>{"Timer overrun"}));
    EXPECT_EQ(board.state.LastRemovedTextA, "");
    EXPECT_EQ(board.state.LastRemovedTextB, "");
    EXPECT_EQ(TilesLeft(board.state), 6);
}

TEST(AutoPlay, SelectionGoesOnlyWithItsTile) {
    const struct {
        int column;
        int row;
        bool kept;
    } selections[] = {{1, 4, false}, {2, 3, false}, {4, 4, true}};
    for (const auto& selection : selections) {
        AutoBoard board;
        LeftButtonDown(board.state, board.host, PixelX(selection.column), PixelY(selection.row));
        AutoRemovePair(board.state, board.host);
        Tick(board);
        EXPECT_EQ(board.state.HasSelection(), selection.kept) << selection.column;
    }
}

TEST(AutoPlay, NewDealCancelsThePendingRemoval) {
    AutoBoard board;
    FastAutoFinish(board.state, board.host);
    NewGame(board.state, board.host);
    EXPECT_FALSE(board.state.AutoRemovePending);
    EXPECT_TRUE(board.host.runningTimers.empty());
    Tick(board);
    EXPECT_EQ(board.host.messages, (std::vector<std::string>{"Timer overrun"}));
    EXPECT_EQ(TilesLeft(board.state), 6);
}

TEST(AutoPlay, TickNeverReachesOutsideTheBoard) {
    AutoBoard board;
    AutoRemovePair(board.state, board.host);
    board.state.AutoCell1 = -7;
    board.state.AutoCell2 = board.state.CellCount;
    Tick(board);
    EXPECT_EQ(TilesLeft(board.state), 6);

    AutoRemovePair(board.state, board.host);
    DiscardBoard(board.state);
    Tick(board);
    EXPECT_EQ(board.host.removedPanelDraws, 1);
    EXPECT_TRUE(board.host.messages.empty());
}

} // namespace
