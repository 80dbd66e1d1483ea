#include "game/auto_play.h"

#include "game/board_geometry.h"
#include "game/free_pair_note.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/hint.h"
#include "game/hint_search.h"
#include "game/tile_redraw.h"
#include "game/tile_removal.h"

namespace {

// Intervals below this make each removal look for the next pair by itself.
constexpr int ContinuousPlayLimit = 500;

void StartAutomaticPlay(GameState& state, GameHost& host, int interval) {
    if (AutoStep(state, host)) {
        state.AutoInterval = interval;
        host.SetTimer(AutoTimerId, interval);
    } else {
        NoteWhetherAPairIsFree(state, host);
    }
}

void ClearSelectionAt(GameState& state, BoardPosition position) {
    if (BoardPosition{state.SelectedCol, state.SelectedRow} == position) {
        state.SelectedCol = 0;
        state.SelectedRow = 0;
    }
}

// The pending pair goes by its cells, whatever the player did since it was found: a Hint may
// have moved the hint fields, and a pair the player matched meanwhile is gone already.
void RemovePendingPair(GameState& state, GameHost& host) {
    ClearSelectionAt(state, FirstHintedPosition(state));
    ClearSelectionAt(state, SecondHintedPosition(state));
    const std::int32_t pair = PairAt(state, state.AutoCell1);
    if (pair == NoPair || PairAt(state, state.AutoCell2) != pair) {
        return;
    }
    RemovePair(state, state.AutoCell1, state.AutoCell2);
    host.DrawRemovedTilesPanel();
    RedrawPosition(state, host, PositionOfCell(state.AutoCell1));
    RedrawPosition(state, host, PositionOfCell(state.AutoCell2));
    host.OnPlayEvent({PlayEventKind::PairAutoRemoved, pair, state.AutoCell1, state.AutoCell2});
}

void AutomaticTimerTick(GameState& state, GameHost& host) {
    host.KillTimer(AutoTimerId);
    if (!state.AutoRemovePending) {
        state.LastRemovedTextA.clear();
        state.LastRemovedTextB.clear();
        host.Report(GT_TEXT("Message", "Timer overrun"));
        return;
    }
    state.AutoRemovePending = false;
    RemovePendingPair(state, host);
    if (state.AutoInterval < ContinuousPlayLimit && AutoStep(state, host)) {
        host.SetTimer(AutoTimerId, state.AutoInterval);
    } else {
        NoteWhetherAPairIsFree(state, host);
    }
}

} // namespace

void StopAutomaticPlay(GameState& state, GameHost& host) {
    host.KillTimer(AutoTimerId);
    host.KillTimer(HintTimerId);
    state.AutoRemovePending = false;
}

bool AutoStep(GameState& state, GameHost& host) {
    const std::optional<HintPair> pair = FindHintPair(state);
    if (!pair) {
        return false;
    }
    StoreHintPositions(state, *pair);
    state.AutoCell1 = pair->firstCell;
    state.AutoCell2 = pair->secondCell;
    CountOne(state.HintCount);
    host.DrawHintsPanel();
    host.DrawHintHighlight(false);
    state.AutoRemovePending = true;
    return true;
}

void AutoRemovePair(GameState& state, GameHost& host) {
    StartAutomaticPlay(state, host, SlowAutoInterval);
}

void FastAutoFinish(GameState& state, GameHost& host) {
    StartAutomaticPlay(state, host, FastAutoInterval);
}

void OnTimer(GameState& state, GameHost& host, int timerId) {
    if (timerId == HintTimerId) {
        HintExpired(state, host);
    } else {
        AutomaticTimerTick(state, host);
    }
}

void RunFastAutoFinishToEnd(GameState& state, GameHost& host) {
    FastAutoFinish(state, host);
    // A tick arms the timer again exactly when it leaves the next pair pending.
    while (state.AutoRemovePending) {
        OnTimer(state, host, AutoTimerId);
    }
}
