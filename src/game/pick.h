#pragma once

struct GameState;
class GameHost;

// Left button press at a client point: the first pick selects a top tile, a press on the
// selected tile deselects it, and a second pick either removes the pair or is counted wrong.
// The second press of a double-click must not reach here.
void LeftButtonDown(GameState& state, GameHost& host, int x, int y);

// Left button release: wipes the wrong mark of a wrong pick.
void LeftButtonUp(GameState& state, GameHost& host);

// Drops the selection, as a press on the selected tile would, without a press point.
void ClearSelection(GameState& state, GameHost& host);
