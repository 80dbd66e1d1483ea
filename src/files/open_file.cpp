#include "files/open_file.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/imported_list_file.h"
#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "savegame/save_loader.h"
#include "words/text_file.h"
#include "words/window_title.h"
#include "words/word_list_reader.h"

#include <utility>

namespace {
// A list without a description line is described by its path.
void ReadWordList(LineReader& reader, const std::string& firstLine, GameState& state,
                  GameHost& host) {
    state.FileDescription = CutText(firstLine.empty() ? state.BrowseFileName : firstLine);
    state.WordList = ReadWordPairs(reader, host);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
}

// The game a file at `path` is read into; what outlives a game comes along.
GameState NextGameFor(GameState& state, const std::string& path) {
    GameState next = NextGameState(state);
    ResetView(next);
    next.BrowseFileName = path;
    return next;
}

// How every list, native or imported, ends its opening: dealt, it takes the place of the game
// in play; a deal that fails leaves that game as it was.
OpenResult DealOpenedList(GameState& state, GameState next, GameHost& host, const std::string& path,
                          DealKind deal) {
    if (DealNewBoard(next, host, deal) != DealOutcome::Complete) {
        return OpenResult::Failed;
    }
    state = std::move(next);
    host.SetTitle(WindowTitle(path));
    host.InvalidateAll();
    if (state.WordList.empty()) {
        host.ReportStatus({GT_TEXT("Message", "No word pairs found in %1"), {path}});
    }
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return OpenResult::Dealt;
}

// The reader of another program that claims the file; a saved game stays one whatever its name.
ImportFormat ImportFormatOf(const std::string& path) {
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes);
    if (!head || DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                     FileKind::SavedGame) {
        return ImportFormat::None;
    }
    return DetectImportFormat(path, *head);
}

OpenResult OpenImportedList(GameState& state, GameHost& host, const std::string& path,
                            ImportFormat format, DealKind deal) {
    std::optional<ImportedList> list = ImportListFile(host, path, format);
    if (!list) {
        return OpenResult::Failed;
    }
    const std::vector<int> leftOut = std::move(list->leftOutLines);
    StopAutomaticPlay(state, host);
    GameState next = NextGameFor(state, path);
    TakeImportedList(next, std::move(*list));
    const OpenResult result = DealOpenedList(state, std::move(next), host, path, deal);
    if (!leftOut.empty()) {
        host.Report(LeftOutRowsMessage(path, leftOut));
    }
    return result;
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
    if (const ImportFormat format = ImportFormatOf(path); format != ImportFormat::None) {
        return OpenImportedList(state, host, path, format, deal);
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
    GameState next = NextGameFor(state, path);
    ReadWordList(reader, firstLine, next, host);
    file.reset();
    return DealOpenedList(state, std::move(next), host, path, deal);
}
