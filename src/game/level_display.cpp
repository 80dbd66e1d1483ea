#include "game/level_display.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/leading_number.h"

#include <string>

void NextLevelDown(GameState& state, GameHost& host) {
    if (state.DisplayedLevel < state.LevelCount) {
        ++state.DisplayedLevel;
        host.InvalidateAll();
    }
}

void NextLevelUp(GameState& state, GameHost& host) {
    if (state.DisplayedLevel >= 1) {
        --state.DisplayedLevel;
        host.InvalidateAll();
    }
}

void ShowAllLevels(GameState& state, GameHost& host) {
    if (state.DisplayedLevel >= 1) {
        state.DisplayedLevel = 0;
        host.InvalidateAll();
    }
}

void DrawLevel(GameState& state, GameHost& host) {
    const std::int32_t before = state.DisplayedLevel;
    if (const std::optional<std::string> text = host.AskLevelText(std::to_string(before))) {
        state.DisplayedLevel = ReadLeadingNumber(*text);
    }
    if (state.DisplayedLevel != before) {
        host.InvalidateAll();
    }
}
