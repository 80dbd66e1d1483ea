#include "game/pick.h"

#include "game/equal_text_match.h"
#include "game/free_pair_note.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/hit_test.h"
#include "game/tile_redraw.h"
#include "game/tile_removal.h"

namespace {

BoardPosition Selection(const GameState& state) {
    return {state.SelectedCol, state.SelectedRow};
}

void SetSelection(GameState& state, BoardPosition position) {
    state.SelectedCol = position.column;
    state.SelectedRow = position.row;
}

void SetWrongMark(GameState& state, BoardPosition position) {
    state.WrongMarkCol = position.column;
    state.WrongMarkRow = position.row;
}

void FirstPick(GameState& state, GameHost& host, BoardPosition hit) {
    if (TopCellOf(state, hit) < 0) {
        return;
    }
    SetSelection(state, hit);
    DrawTopTile(state, host, SelectedTile, hit);
    host.OnPlayEvent({PlayEventKind::TileSelected, NoPair, TopCellOf(state, hit)});
}

void Deselect(GameState& state, GameHost& host) {
    const std::int32_t cell = TopCellOf(state, Selection(state));
    RedrawPosition(state, host, Selection(state));
    SetSelection(state, {});
    host.OnPlayEvent({PlayEventKind::SelectionCleared, NoPair, cell});
}

void SecondPick(GameState& state, GameHost& host, BoardPosition hit) {
    const std::int32_t secondCell = TopCellOf(state, hit);
    const std::int32_t firstCell = TopCellOf(state, Selection(state));
    if (secondCell < 0 || firstCell < 0) {
        return;
    }
    if (BringIntoOneEntry(state, firstCell, secondCell)) {
        const std::int32_t pair = state.AssignmentArray[static_cast<std::size_t>(firstCell)];
        RemovePair(state, firstCell, secondCell);
        CountOne(state.CorrectCount);
        SetSelection(state, {});
        SetWrongMark(state, {});
        host.InvalidateAll();
        NoteWhetherAPairIsFree(state, host);
        host.OnPlayEvent({PlayEventKind::PairMatched, pair, firstCell, secondCell});
        return;
    }
    host.DrawWrongMark(hit.column, hit.row);
    SetWrongMark(state, hit);
    CountOne(state.WrongCount);
    host.DrawWrongPanel();
    host.OnPlayEvent({PlayEventKind::WrongPick, NoPair, firstCell, secondCell});
}

} // namespace

void LeftButtonDown(GameState& state, GameHost& host, int x, int y) {
    state.MouseDownX = x;
    state.MouseDownY = y;
    if (state.DisplayedLevel > 0) {
        state.DisplayedLevel = 0;
        host.InvalidateAll();
    }
    const BoardPosition hit = HitTest(state, x, y);
    if (!state.HasSelection()) {
        FirstPick(state, host, hit);
    } else if (hit.IsOnBoard() && hit == Selection(state)) {
        Deselect(state, host);
    } else {
        SecondPick(state, host, hit);
    }
}

void LeftButtonUp(GameState& state, GameHost& host) {
    if (!state.HasWrongMark()) {
        return;
    }
    DrawTopTile(state, host, NormalTile, {state.WrongMarkCol, state.WrongMarkRow});
    SetWrongMark(state, {});
}

void ClearSelection(GameState& state, GameHost& host) {
    if (state.HasSelection()) {
        Deselect(state, host);
    }
}
