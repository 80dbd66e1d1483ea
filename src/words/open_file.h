#pragma once

#include <string>

struct GameState;
class GameHost;

enum class OpenResult { Cancelled, Failed, Dealt, Loaded };
enum class DealKind { Plain, Unblocked };

// File > Open: asks for a file, then opens it as below.
OpenResult OpenFile(GameState& state, GameHost& host);

// Reads a word-pair file and deals it, or hands a saved game to the loader. Failed when the
// file cannot be opened, the load fails or the deal cannot place every pair.
OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal = DealKind::Plain);

// Texts are kept in fields of MaxTextLength bytes; a longer path is refused rather than cut,
// because a cut path names another file. True (after telling the user) when refused.
bool RefuseLongPath(GameHost& host, const std::string& path);
