#include "game/undo.h"

#include "game/auto_play.h"
#include "game/board_geometry.h"
#include "game/free_pair_note.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/tile_removal.h"

namespace {

// A pending removal or a selection may name a tile that is about to move.
void ClearPlay(GameState& state, GameHost& host) {
    StopAutomaticPlay(state, host);
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    state.WrongMarkCol = 0;
    state.WrongMarkRow = 0;
}

} // namespace

bool UndoRemoval(GameState& state, GameHost& host) {
    if (state.History.LastRemoval() == nullptr) {
        return false;
    }
    ClearPlay(state, host);
    const RemovedPair removal = state.History.Undo();
    PlaceTile(state, removal.firstCell, removal.pair, removal.firstSide);
    PlaceTile(state, removal.secondCell, removal.pair, removal.secondSide);
    state.LastRemovedTextA = removal.textABefore;
    state.LastRemovedTextB = removal.textBBefore;
    CountOne(state.UndoCount);
    host.InvalidateAll();
    NoteWhetherAPairIsFree(state, host);
    host.OnPlayEvent(
        {PlayEventKind::RemovalUndone, removal.pair, removal.firstCell, removal.secondCell});
    return true;
}

bool RedoRemoval(GameState& state, GameHost& host) {
    if (state.History.NextRedo() == nullptr) {
        return false;
    }
    ClearPlay(state, host);
    const RemovedPair removal = state.History.Redo();
    TakeOffBoard(state, removal);
    host.InvalidateAll();
    NoteWhetherAPairIsFree(state, host);
    host.OnPlayEvent(
        {PlayEventKind::RemovalRedone, removal.pair, removal.firstCell, removal.secondCell});
    return true;
}
