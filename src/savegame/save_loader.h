#pragma once

#include <string>

struct GameState;
class GameHost;

// Load Saved Game: asks for the file, then loads it.
void LoadSavedGame(GameState& state, GameHost& host);

// Makes the saved game at `path` (asked for when empty) the current game. True when the load
// ran to its end; every problem is reported to the user on the way.
bool Loadplayedgame(GameState& state, GameHost& host, const std::string& path);

class LineReader;

// The part of the load after the file is open and the old game is gone: reads the pairs, the
// counters and the cells. True when it ran to its end.
bool ReadSavedGame(LineReader& reader, GameState& state, GameHost& host);
