#pragma once

#include "words/list_languages.h"

#include <string>

struct GameState;
class GameHost;

// Writes the list in play to `path` as a native list, TSV, CSV, kvtml or an Anki package, as its
// extension (.txt, .tsv, .csv, .kvtml, .apkg) asks; the file is replaced only once the new one
// is complete. False, after telling the user, when there is no list, the extension names no
// format or the file cannot be written. kvtml labels the sides with `languages`. The list's
// pictures and sounds are copied into NAME_media/ beside the file, and the file names them
// there.
bool ExportWordList(const GameState& state, GameHost& host, const std::string& path,
                    const ListLanguages& languages);
// The same, with the languages the list itself names.
bool ExportWordList(const GameState& state, GameHost& host, const std::string& path);
