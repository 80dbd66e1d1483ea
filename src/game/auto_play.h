#pragma once

struct GameState;
class GameHost;

// Stops both timers and forgets a pending removal, so that no tick reaches a board other than
// the one its pair was found on.
void StopAutomaticPlay(GameState& state, GameHost& host);
