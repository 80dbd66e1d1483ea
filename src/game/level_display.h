#pragma once

struct GameState;
class GameHost;

// DisplayedLevel 0 or less shows every level; n shows level n alone. Each command repaints
// only when it changes the number.

// One level deeper, down to the bottom level.
void NextLevelDown(GameState& state, GameHost& host);
// One level higher; from level 1 back to all levels.
void NextLevelUp(GameState& state, GameHost& host);
void ShowAllLevels(GameState& state, GameHost& host);

// Draw Level: asks for a level number. Any text is taken, read as the game reads numbers; a
// number beyond the bottom level is kept as typed and shows no tiles.
void DrawLevel(GameState& state, GameHost& host);
