#include "game/auto_play.h"

#include "game/game_host.h"
#include "game/game_state.h"

void StopAutomaticPlay(GameState& state, GameHost& host) {
    host.KillTimer(AutoTimerId);
    host.KillTimer(HintTimerId);
    state.AutoRemovePending = false;
}
