#include "game/free_pair_note.h"

#include "game/board_geometry.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/hint_search.h"

namespace {

bool AnyTileLeft(const GameState& state) {
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            if (TopCellAt(state, column, row) >= 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

void NoteWhetherAPairIsFree(GameState& state, GameHost& host) {
    if (AnyTileLeft(state) && !FindHintPair(state)) {
        host.ReportNote(NoteTopic::NoFreePair, NoFreePairNote());
        state.NoFreePairNoted = true;
    } else {
        ForgetFreePairNote(state, host);
    }
}

void ForgetFreePairNote(GameState& state, GameHost& host) {
    if (state.NoFreePairNoted) {
        host.WithdrawNote(NoteTopic::NoFreePair);
        state.NoFreePairNoted = false;
    }
}
