#pragma once

#include "game/board_position.h"

#include <optional>

struct GameState;

// The ways the keyboard cursor moves over the board.
enum class CursorMove { Next, Previous, Up, Down, First, Last };

// The stack holding a tile that the cursor reaches from `from` by `move`, or nullopt when no
// stack holds a tile. Next and Previous go in reading order (row by row from the top, column
// by column from the left) and wrap; Up and Down stay in the column while it holds another
// tile, else take the nearest row in that direction, nearest column first; First and Last are
// the ends of reading order. `from` may be empty or off the board: Next then goes to the
// first stack after it, and from off the board to the first of all.
std::optional<BoardPosition> StackAfterMove(const GameState& state, BoardPosition from,
                                            CursorMove move);
