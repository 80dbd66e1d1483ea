#pragma once

#include <string>

struct GameState;
class GameHost;

// Save: writes to RecordFileName, or asks for a file like Save As while there is none.
// True when the game was written.
bool SaveGame(GameState& state, GameHost& host);

// Save As: asks for a file, keeps its path in RecordFileName and writes the game there.
// True when the game was written.
bool SaveGameAs(GameState& state, GameHost& host);

// Save As with the file already chosen, for callers without a chooser. True when the game
// was written; every refusal and failure is reported to the user.
bool SaveGameAsPath(GameState& state, GameHost& host, const std::string& path);

// Writes the game to `path` without the checks of the commands, and names the file in the
// window title. The file there is replaced only by a complete save. True when written.
bool WriteSavedGame(GameState& state, GameHost& host, const std::string& path);
