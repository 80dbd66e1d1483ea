#pragma once

#include <string>

struct GameState;
class GameHost;

// Load Saved Game: asks for the file, then loads it.
void LoadSavedGame(GameState& state, GameHost& host);

// Makes the saved game at `path` (asked for when empty) the current game, and its file the one
// Save writes to. True when the load ran to its end; every problem is reported to the user on
// the way, and a load that fails leaves the game in play as it was.
bool Loadplayedgame(GameState& state, GameHost& host, const std::string& path);

class LineReader;

// The part of the load after the file is open: reads the pairs, the counters and the cells
// into a state without a list or board. True when it ran to its end.
bool ReadSavedGame(LineReader& reader, GameState& state, GameHost& host);
