#include "files/open_file.h"

#include "files/file_kind.h"
#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "savegame/save_loader.h"
#include "words/text_file.h"
#include "words/window_title.h"
#include "words/word_list_reader.h"

namespace {
// A list without a description line is described by its path.
void ReadWordList(LineReader& reader, const std::string& firstLine, GameState& state,
                  GameHost& host) {
    state.FileDescription = CutText(firstLine.empty() ? state.BrowseFileName : firstLine);
    state.WordList = ReadWordPairs(reader, host);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
}
} // namespace

OpenResult OpenFile(GameState& state, GameHost& host) {
    return OpenFileAtPath(state, host, host.ChooseFileToOpen());
}

OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal) {
    if (RefuseLongPath(host, path)) {
        return OpenResult::Failed;
    }
    if (path.empty()) {
        ForgetChosenFile(state);
        return OpenResult::Cancelled;
    }
    FileHandle file = OpenTextFile(path, host);
    if (!file) {
        return OpenResult::Failed;
    }
    StopAutomaticPlay(state, host);
    LineReader reader(file.get(), LineReader::WordPiece);
    const std::string firstLine = ReadFirstLine(reader);
    switch (DetectFileKind(firstLine)) {
    case FileKind::SavedGame:
        file.reset();
        return Loadplayedgame(state, host, path) ? OpenResult::Loaded : OpenResult::Failed;
    case FileKind::WordList:
        break;
    }
    GameState next = NextGameState(state);
    ResetView(next);
    next.BrowseFileName = path;
    ReadWordList(reader, firstLine, next, host);
    file.reset();
    if (DealNewBoard(next, host, deal) != DealOutcome::Complete) {
        return OpenResult::Failed;
    }
    state = std::move(next);
    host.SetTitle(WindowTitle(path));
    host.InvalidateAll();
    if (state.WordList.empty()) {
        host.ShowStatus("No word pairs found in " + path);
    }
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return OpenResult::Dealt;
}
