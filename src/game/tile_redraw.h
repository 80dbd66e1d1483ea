#pragma once

#include "game/board_position.h"

struct GameState;
class GameHost;

inline constexpr int NormalTile = 0;
inline constexpr int SelectedTile = 1;

// Draws the top tile of a position at once, with its own word. Draws nothing and gives false
// when the position holds no tile.
bool DrawTopTile(const GameState& state, GameHost& host, int tileState, BoardPosition position);

// The top tile in its normal look, or the empty place where no tile is left.
void RedrawPosition(const GameState& state, GameHost& host, BoardPosition position);

// The selected tile again in its selected look, so that immediate draws do not hide it.
void RedrawSelection(const GameState& state, GameHost& host);
