#pragma once

#include <string>

struct GameState;
class GameHost;

// Writes the list in play to `path` as a native list, TSV or CSV, as its extension (.txt, .tsv,
// .csv) asks; the file is replaced only once the new one is complete. False, after telling the
// user, when there is no list, the extension names no format or the file cannot be written.
bool ExportWordList(const GameState& state, GameHost& host, const std::string& path);
