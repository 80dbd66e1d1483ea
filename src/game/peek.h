#pragma once

struct GameState;
class GameHost;

// Right button press at a client point: the top tile there shows "= " and its other word
// until the release, at the price of a hint.
void RightButtonDown(GameState& state, GameHost& host, int x, int y);

// Right button release: the tile under the press point, not under the release point, shows
// its own word again.
void RightButtonUp(GameState& state, GameHost& host);
