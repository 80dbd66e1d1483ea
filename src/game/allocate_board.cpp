#include "game/allocate_board.h"

#include "game/board_geometry.h"
#include "game/free_pair_note.h"
#include "game/game_host.h"
#include "game/game_state.h"

#include <new>

void DiscardBoard(GameState& state) {
    std::vector<std::int32_t>().swap(state.AssignmentAB);
    std::vector<std::int32_t>().swap(state.AssignmentArray);
}

int AllocateBoard(GameState& state, GameHost& host) {
    DiscardBoard(state);
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    state.MouseDownX = 0;
    state.MouseDownY = 0;
    state.DisplayedLevel = 0;
    state.WrongMarkCol = 0;
    state.WrongMarkRow = 0;
    state.CorrectCount = 0;
    state.WrongCount = 0;
    state.HintCount = 0;
    state.UndoCount = 0;
    state.History.Clear();
    ForgetFreePairNote(state, host);
    state.LastRemovedTextA.clear();
    state.LastRemovedTextB.clear();
    state.LevelCount = LevelCountFor(state.WordsCount);
    state.CellCount = CellCountFor(state.LevelCount);

    const auto cells = static_cast<std::size_t>(state.CellCount);
    try {
        state.AssignmentArray.assign(cells, NoPair);
    } catch (const std::bad_alloc&) {
        DiscardBoard(state);
        host.Report(OutOfMemoryForAssignmentArray);
        return -1;
    }
    try {
        state.AssignmentAB.assign(cells, 0);
    } catch (const std::bad_alloc&) {
        DiscardBoard(state);
        host.Report(GT_TEXT("Message", "Out of memory allocating for AssignmentAB\nin 'NewGame"));
        return -1;
    }
    state.TopProbeStart.fill(1);
    return 0;
}
