#include "game/game_state.h"

#include "words/whole_characters.h"

#include <algorithm>

std::string CutText(std::string_view text) {
    return std::string(WholeHead(text, MaxTextLength));
}

bool NoTileLeft(const GameState& state) {
    return std::all_of(state.AssignmentArray.begin(), state.AssignmentArray.end(),
                       [](std::int32_t pair) { return pair == NoPair; });
}

void ResetView(GameState& state) {
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    state.MouseDownX = 0;
    state.MouseDownY = 0;
    state.DisplayedLevel = 0;
    state.BoardTop = StandardBoardTop;
}

GameState NextGameState(const GameState& current) {
    // Only these few fields: the list, the board, the removal history and a pending automatic
    // removal stay behind.
    GameState next;
    next.AutoCell1 = current.AutoCell1;
    next.AutoCell2 = current.AutoCell2;
    next.HintCol1 = current.HintCol1;
    next.HintRow1 = current.HintRow1;
    next.HintCol2 = current.HintCol2;
    next.HintRow2 = current.HintRow2;
    next.RecordFileName = current.RecordFileName;
    next.NoFreePairNoted = current.NoFreePairNoted;
    next.FileDescription = current.FileDescription;
    next.BrowseFileName = current.BrowseFileName;
    next.BoardTop = current.BoardTop;
    next.DisplayedLevel = current.DisplayedLevel;
    next.AutoInterval = current.AutoInterval;
    next.Random = current.Random;
    return next;
}

void ForgetChosenFile(GameState& state) {
    ResetView(state);
    state.BrowseFileName.clear();
}
