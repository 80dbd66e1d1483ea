#include "files/file_kind.h"

#include "savegame/saved_game_format.h"

FileKind DetectFileKind(std::string_view firstLine) {
    return firstLine.starts_with(SavedGameMark) ? FileKind::SavedGame : FileKind::WordList;
}
