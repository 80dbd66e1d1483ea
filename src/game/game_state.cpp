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
