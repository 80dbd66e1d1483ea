#include "game/game_state.h"

std::string CutText(std::string_view text) {
    return std::string(text.substr(0, MaxTextLength));
}

void ResetView(GameState& state) {
    state.SelectedCol = 0;
    state.SelectedRow = 0;
    state.MouseDownX = 0;
    state.MouseDownY = 0;
    state.DisplayedLevel = 0;
    state.BoardTop = StandardBoardTop;
}
