#pragma once

#include "words/message.h"

struct GameState;
class GameHost;

// Throws the old board away and makes an empty one sized by the level rule; resets the play
// fields. 0 on success, -1 when memory ran out (after telling the user).
int AllocateBoard(GameState& state, GameHost& host);

// Said by the board's allocation and by a deal that runs out of memory.
inline constexpr const char* OutOfMemoryForAssignmentArray =
    GT_TEXT("Message", "Out of memory allocating for AssignmentArray\nin 'NewGame");

// Forgets the board arrays, so that nothing refers to a freed word list any more.
void DiscardBoard(GameState& state);
