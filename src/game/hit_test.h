#pragma once

#include "game/board_position.h"

struct GameState;

// The grid square under a client point. Each coordinate is found on its own, so a point
// beside the grid gives a position with one coordinate 0.
BoardPosition HitTest(const GameState& state, int x, int y);
