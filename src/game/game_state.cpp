#include "game/game_state.h"

#include "words/whole_characters.h"

std::string CutText(std::string_view text) {
    return std::string(WholeHead(text, MaxTextLength));
}

void ResetView(GameState& state) {
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    state.MouseDownX = 0;
    state.MouseDownY = 0;
    state.DisplayedLevel = 0;
    state.BoardTop = StandardBoardTop;
}

GameState NextGameState(GameState& current) {
    // Set aside rather than copied: a large list would need its memory twice.
    WordPairList list;
    std::vector<std::int32_t> cells;
    std::vector<std::int32_t> sides;
    GameIdentity identity;
    list.swap(current.WordList);
    std::swap(identity, current.Identity);
    cells.swap(current.AssignmentArray);
    sides.swap(current.AssignmentAB);
    GameState next = current;
    current.WordList.swap(list);
    current.AssignmentArray.swap(cells);
    current.AssignmentAB.swap(sides);
    std::swap(identity, current.Identity);
    next.WordsCount = 0;
    next.Languages = {};
    return next;
}

void ForgetChosenFile(GameState& state) {
    ResetView(state);
    state.BrowseFileName.clear();
}
