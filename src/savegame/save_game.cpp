#include "savegame/save_game.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "savegame/atomic_file.h"
#include "savegame/overwrite_guard.h"
#include "savegame/saved_game_text.h"
#include "words/window_title.h"

#include <new>

namespace {

bool ReadyToSave(const GameState& state, GameHost& host) {
    if (state.WordList.empty()) {
        host.Report(
            GT_TEXT("Message", "Can't save when no game is in progress.\n\nNothing to save!"));
        return false;
    }
    if (SavableCellCount(state) == 0) {
        host.Report(GT_TEXT("Message", "CellCount = 0\nThis is unexpected when you have a game "
                                       "loaded\n\nNothing to save ?"));
        return false;
    }
    return true;
}

bool SaveToRecordFile(GameState& state, GameHost& host) {
    if (IsProtectedFile(state.RecordFileName)) {
        host.Report(GT_TEXT("Message", "Save not allowed\n\nYou may only save to an existing saved "
                                       "game file\nor to a new file.\n\nThis is to prevent "
                                       "accidental overwritting of your word lists."));
        return false;
    }
    return WriteSavedGame(state, host, state.RecordFileName);
}

// The path is kept before the guard looks at it, so a refused name stays and a later Save is
// refused the same way until Save As chooses another file.
bool SaveToChosenFile(GameState& state, GameHost& host, const std::string& path) {
    if (RefuseLongPath(host, path)) {
        return false;
    }
    state.RecordFileName = path;
    return SaveToRecordFile(state, host);
}

} // namespace

bool SaveGame(GameState& state, GameHost& host) {
    if (state.RecordFileName.empty()) {
        return SaveGameAs(state, host);
    }
    return ReadyToSave(state, host) && SaveToRecordFile(state, host);
}

bool SaveGameAs(GameState& state, GameHost& host) {
    if (!ReadyToSave(state, host)) {
        return false;
    }
    const std::string chosen = host.ChooseFileToSave();
    return !chosen.empty() && SaveToChosenFile(state, host, chosen);
}

bool SaveGameAsPath(GameState& state, GameHost& host, const std::string& path) {
    return ReadyToSave(state, host) && SaveToChosenFile(state, host, path);
}

bool WriteSavedGame(GameState& state, GameHost& host, const std::string& path) {
    AtomicWriteResult result = AtomicWriteResult::WriteFailed;
    try {
        result = WriteFileAtomically(path, [&] { return SavedGameText(state, host); }).result;
    } catch (const std::bad_alloc&) {
        // The file's text did not fit in memory; nothing was written.
    }
    switch (result) {
    case AtomicWriteResult::Written:
        host.SetTitle(WindowTitle(path));
        return true;
    case AtomicWriteResult::CannotCreate:
        host.Report({GT_TEXT("Message", "Error can't create the record file\n%1"), {path}});
        return false;
    case AtomicWriteResult::WriteFailed:
        host.Report(GT_TEXT("Message", "Error writing to file"));
        return false;
    }
    return false;
}
