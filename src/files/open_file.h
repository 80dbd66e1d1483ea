#pragma once

#include "files/file_opening.h"
#include "game/deal.h"
#include "game/game_state.h"

#include <optional>
#include <string>

class GameHost;
class ImportChooser;

// The list at `path` read as File > Open reads it under `choice`, with how it was read, without
// a word to the player and without a deal; nullopt when it is no word list or cannot be read.
std::optional<GameState> ReadListQuietly(const std::string& path, const ImportChoice& choice);

// Load Saved Game: loads the saved game at `path` (asking for one when it is empty), kept in
// the progress records under the list it names.
bool LoadGameFile(GameState& state, GameHost& host, const std::string& path);

// Says how many of the pictures and sounds of the list in play cannot be used, or withdraws
// the note when all can.
void NoteMissingMedia(const GameState& state, GameHost& host);

// File > Open: asks for a file, then opens it as below.
OpenResult OpenFile(GameState& state, GameHost& host, DealKind deal = DealKind::Plain,
                    ImportChooser* chooser = nullptr);

// Tells what kind of file `path` is and hands it to that kind's reader: a word-pair list is
// read and dealt, a saved game is loaded. The game in play is replaced only when this
// succeeds. Failed when the file cannot be opened, the load fails or the deal cannot place
// every pair. An imported file is read with the chooser's choice, else the guesses; Cancelled
// when the chooser cancels. All of FileOpening's steps, one after the other.
OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal = DealKind::Plain, ImportChooser* chooser = nullptr);
