#include "game/auto_play.h"
#include "game/deal.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

using Draw = RecordingHost::TileDraw;

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
    void Tick() { OnTimer(state, host, AutoTimerId); }
};

TEST(AutoPlay, AutoRemovePairRemovesOnePairATickLaterWithoutCountingItCorrect) {
    AutoBoard board;
    AutoRemovePair(board.state, board.host);
    EXPECT_EQ(board.state.HintCount, 1);
    EXPECT_EQ(board.host.hintHighlights, (std::vector<bool>{false}));
    EXPECT_EQ(board.host.runningTimers, (std::map<int, int>{{AutoTimerId, SlowAutoInterval}}));
    EXPECT_EQ(Tiles(board.state), 6);
    board.Tick();
    EXPECT_EQ(Tiles(board.state), 4);
    EXPECT_EQ(std::pair(board.state.CorrectCount, board.state.HintCount), std::pair(0, 1));
    EXPECT_EQ(board.state.LastRemovedTextA + "/" + board.state.LastRemovedTextB, "a0/b0");
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
            board.Tick();
            ++ticks;
        }
        EXPECT_EQ(ticks, stacked ? 2 : 3);
        EXPECT_EQ(board.state.HintCount, ticks);
        EXPECT_EQ(Tiles(board.state), stacked ? 2 : 0);
        EXPECT_TRUE(board.host.messages.empty());
    }
}

TEST(AutoPlay, AutoRemovePairDuringAFastRunEndsItAfterThatPair) {
    AutoBoard board;
    FastAutoFinish(board.state, board.host);
    const std::int32_t pendingCell = board.state.AutoCell1;
    AutoRemovePair(board.state, board.host);
    EXPECT_EQ(board.state.AutoCell1, pendingCell);
    EXPECT_EQ(board.state.HintCount, 2);
    EXPECT_EQ(board.host.runningTimers.at(AutoTimerId), SlowAutoInterval);
    board.Tick();
    EXPECT_EQ(Tiles(board.state), 4);
    EXPECT_FALSE(board.host.TimerRunning(AutoTimerId));
}

TEST(AutoPlay, ANewDealCancelsThePendingRemovalSoALateTickIsAnOverrun) {
    AutoBoard board;
    FastAutoFinish(board.state, board.host);
    NewGame(board.state, board.host);
    EXPECT_FALSE(board.state.AutoRemovePending);
    EXPECT_TRUE(board.host.runningTimers.empty());
    const std::vector<std::int32_t> dealt = board.state.AssignmentArray;
    board.state.LastRemovedTextA = board.state.LastRemovedTextB = "old";
    board.Tick();
    EXPECT_EQ(board.host.messages, (std::vector<std::string>{"Timer overrun"}));
    EXPECT_EQ(board.state.LastRemovedTextA + board.state.LastRemovedTextB, "");
    EXPECT_EQ(board.state.AssignmentArray, dealt);
}

TEST(AutoPlay, SelectionGoesOnlyWithItsTile) {
    for (const auto& [column, row, kept] : {std::tuple{1, 4, false}, {2, 3, false}, {4, 4, true}}) {
        AutoBoard board;
        board.PressAt(column, row);
        AutoRemovePair(board.state, board.host);
        board.Tick();
        EXPECT_EQ(board.state.HasSelection(), kept) << column << "," << row;
    }
}

TEST(AutoPlay, TickNeverReachesOutsideTheBoard) {
    AutoBoard board;
    AutoRemovePair(board.state, board.host);
    board.state.AutoCell1 = -7;
    board.state.AutoCell2 = board.state.CellCount;
    board.Tick();
    EXPECT_EQ(Tiles(board.state), 6);
    AutoRemovePair(board.state, board.host);
    DiscardBoard(board.state);
    board.Tick();
    EXPECT_EQ(board.host.removedPanelDraws, 1);
    EXPECT_TRUE(board.host.messages.empty());
}

} // namespace
