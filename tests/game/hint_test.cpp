#include "game/allocate_board.h"
#include "game/auto_play.h"
#include "game/deal.h"
#include "game/free_pair_note.h"
#include "game/hint.h"
#include "game/tile_removal.h"
#include "game/undo.h"
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
    ASSERT_EQ(board.host.events.size(), 3u); // hint, selection, hint
    EXPECT_EQ(board.host.events[2].kind, PlayEventKind::PairHinted);
    EXPECT_EQ(std::vector({board.host.events[2].pair, board.host.events[2].firstCell,
                           board.host.events[2].secondCell}),
              std::vector({0, board.cellAt15, board.cellAt23}));
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
        EXPECT_EQ(board.host.noteLog.size(), stacked ? 1u : 0u);
        EXPECT_TRUE(board.host.messages.empty());
        ASSERT_EQ(board.host.events.size(), static_cast<std::size_t>(ticks));
        EXPECT_EQ(board.host.events[0].kind, PlayEventKind::PairAutoRemoved);
        EXPECT_EQ(board.host.events[0].pair, 0);
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

// Automatic play finds pair 1 at (2, 3) and (3, 3) first. Pair 0 at (4, 4) and (5, 4) covers
// pair 2's tile at (4, 4), whose partner lies on top at (1, 3).
struct CoveredPartnerBoard : PlayBoard {
    CoveredPartnerBoard() : PlayBoard(3) {
        Put(2, 0, 2, 1, 3);
        Put(1, 0, 2, 2, 3);
        Put(1, 1, 2, 3, 3);
        Put(0, 0, 1, 4, 4);
        Put(2, 1, 2, 4, 4);
        Put(0, 1, 1, 5, 4);
    }
};

TEST(AutoPlay, TheTickRemovesThePairItFoundWhateverThePlayerDidSince) {
    // Matching pair 0 uncovers pair 2, and a Hint moves the hint fields onto it.
    CoveredPartnerBoard hinted;
    AutoRemovePair(hinted.state, hinted.host);
    hinted.PressAt(4, 4);
    hinted.PressAt(5, 4);
    Hint(hinted.state, hinted.host);
    hinted.host.tiles.clear();
    OnTimer(hinted.state, hinted.host, AutoTimerId);
    EXPECT_EQ(hinted.state.LastRemovedTextA + "/" + hinted.state.LastRemovedTextB, "a1/b1");
    EXPECT_EQ(CellsByPair(hinted.state).count(1), 0u);
    EXPECT_EQ(Tiles(hinted.state), 2);
    EXPECT_EQ(hinted.host.tiles, (std::vector<Draw>{{0, 2, 3, 1, {}}, {0, 3, 3, 1, {}}}));

    // The player matched the pending pair: nothing is left for the tick to remove.
    CoveredPartnerBoard matched;
    AutoRemovePair(matched.state, matched.host);
    matched.PressAt(2, 3);
    matched.PressAt(3, 3);
    OnTimer(matched.state, matched.host, AutoTimerId);
    EXPECT_EQ(matched.state.LastRemovedTextA + "/" + matched.state.LastRemovedTextB, "a1/b1");
    EXPECT_EQ(Tiles(matched.state), 4);
    EXPECT_EQ(matched.host.removedPanelDraws, 0);
}

// The match and Auto remove pair's tick take the last free pair, leaving pair 1 stacked.
TEST(NoFreePair, ANoteSaysSoWhenTheLastFreePairGoesAndOnEveryCommandThatFindsNone) {
    HintBoard matched;
    matched.PressAt(2, 3);
    matched.PressAt(1, 5);
    HintBoard ticked;
    AutoRemovePair(ticked.state, ticked.host);
    OnTimer(ticked.state, ticked.host, AutoTimerId);
    for (HintBoard* board : {&matched, &ticked}) {
        for (const auto command : {&Hint, &AutoRemovePair, &FastAutoFinish}) {
            command(board->state, board->host);
        }
        EXPECT_EQ(board->host.noteLog, std::vector<std::string>(4, EnglishText(NoFreePairNote())));
        EXPECT_EQ(board->state.HintCount, board == &ticked ? 1 : 0);
        UndoRemoval(board->state, board->host);
        EXPECT_EQ(board->host.noteLog.back(), "") << "a free pair again";
        EXPECT_TRUE(board->host.statusNotes.empty()) << "the status bar is for the picks";
    }
}

} // namespace
