#pragma once

#include "game/deal.h"

#include <string>

struct GameState;
class GameHost;

enum class OpenResult { Cancelled, Failed, Dealt, Loaded };

// File > Open: asks for a file, then opens it as below.
OpenResult OpenFile(GameState& state, GameHost& host, DealKind deal = DealKind::Plain);

// Tells what kind of file `path` is and hands it to that kind's reader: a word-pair list is
// read and dealt, a saved game is loaded. The game in play is replaced only when this
// succeeds. Failed when the file cannot be opened, the load fails or the deal cannot place
// every pair.
OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal = DealKind::Plain);
