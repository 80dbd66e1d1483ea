#pragma once

struct GameState;
class GameHost;

// Puts the last removed pair back into its two cells and shows the Removed Tiles texts from
// before it. Stops automatic play and clears the selection and the wrong mark. False, changing
// nothing, when no removal is left to undo.
bool UndoRemoval(GameState& state, GameHost& host);

// Removes the last undone pair again, as its removal did. False, changing nothing, when
// there is nothing to redo.
bool RedoRemoval(GameState& state, GameHost& host);
