#pragma once

#include "files/list_import.h"

#include <optional>
#include <string>

struct GameState;
class GameHost;
class ImportChooser;

// What became of an import: a list, or nothing when it failed or the player cancelled.
struct ImportedFile {
    std::optional<ImportedList> list;
    bool cancelled = false;
};

// Reads a whole file of that format, with the choice the chooser gives (the guesses without
// one). When it cannot be read or imported the user is told once, naming the file and the
// problem, and nothing is given back.
ImportedFile ImportListFile(GameHost& host, const std::string& path, ImportFormat format,
                            ImportChooser* chooser);

// Why a file larger than an import reads is refused.
Message TooLargeProblem();

// Puts an imported list in play in place of the old one, ready to be dealt.
void TakeImportedList(GameState& state, ImportedList list);
