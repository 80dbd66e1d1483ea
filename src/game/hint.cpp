#include "game/hint.h"

#include "game/free_pair_note.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/hint_search.h"
#include "game/tile_redraw.h"

void Hint(GameState& state, GameHost& host) {
    const std::optional<HintPair> pair = FindHintPair(state);
    if (!pair) {
        NoteWhetherAPairIsFree(state, host);
        return;
    }
    StoreHintPositions(state, *pair);
    CountOne(state.HintCount);
    host.DrawHintsPanel();
    host.DrawHintHighlight(state.HasSelection());
    host.SetTimer(HintTimerId, HintDuration);
    host.OnPlayEvent({PlayEventKind::PairHinted,
                      state.AssignmentArray[static_cast<std::size_t>(pair->firstCell)],
                      pair->firstCell, pair->secondCell});
}

void HintExpired(const GameState& state, GameHost& host) {
    host.KillTimer(HintTimerId);
    RedrawHintedPositions(state, host);
    RedrawSelection(state, host);
}

void RedrawHintedPositions(const GameState& state, GameHost& host) {
    RedrawPosition(state, host, FirstHintedPosition(state));
    RedrawPosition(state, host, SecondHintedPosition(state));
}
