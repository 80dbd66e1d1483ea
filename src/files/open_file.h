#pragma once

#include <string>

struct GameState;
class GameHost;

enum class OpenResult { Cancelled, Failed, Dealt, Loaded };
enum class DealKind { Plain, Unblocked };

// File > Open: asks for a file, then opens it as below.
OpenResult OpenFile(GameState& state, GameHost& host);

// Tells what kind of file `path` is and hands it to that kind's reader: a word-pair list is
// read and dealt, a saved game is loaded. Failed when the file cannot be opened, the load
// fails or the deal cannot place every pair.
OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal = DealKind::Plain);
