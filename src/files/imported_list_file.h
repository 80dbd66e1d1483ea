#pragma once

#include "files/list_import.h"

#include <optional>
#include <string>

struct GameState;
class GameHost;

// Reads a whole file of that format. When it cannot be read or imported the user is told once,
// naming the file and the problem, and nothing is given back.
std::optional<ImportedList> ImportListFile(GameHost& host, const std::string& path,
                                           ImportFormat format);

// Puts an imported list in play in place of the old one, ready to be dealt.
void TakeImportedList(GameState& state, ImportedList list);
