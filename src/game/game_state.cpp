#include "game/game_state.h"

std::string CutText(std::string_view text) {
    return std::string(text.substr(0, MaxTextLength));
}
