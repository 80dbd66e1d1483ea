#include "game/tile_redraw.h"

#include "game/game_host.h"
#include "game/game_state.h"

bool DrawTopTile(const GameState& state, GameHost& host, int tileState, BoardPosition position) {
    const std::int32_t cell = TopCellOf(state, position);
    if (cell < 0) {
        return false;
    }
    host.DrawTile(tileState, position.column, position.row, PlaceOfCell(cell).level,
                  WordShownAt(state, cell));
    return true;
}

void RedrawPosition(const GameState& state, GameHost& host, BoardPosition position) {
    if (position.IsOnBoard() && !DrawTopTile(state, host, NormalTile, position)) {
        host.DrawTile(NormalTile, position.column, position.row, 1, nullptr);
    }
}

void RedrawSelection(const GameState& state, GameHost& host) {
    if (state.HasSelection()) {
        DrawTopTile(state, host, SelectedTile, {state.SelectedCol, state.SelectedRow});
    }
}
