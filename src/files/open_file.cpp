#include "files/open_file.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/imported_list_file.h"
#include "game/allocate_board.h"
#include "game/auto_play.h"
#include "game/deal.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "savegame/save_loader.h"
#include "words/line_reader.h"
#include "words/window_title.h"
#include "words/word_list_reader.h"

#include <utility>

namespace {
// The list is gone: no cell may refer to it any more.
void ForgetBoard(GameState& state) {
    DiscardBoard(state);
    state.CellCount = 0;
    state.LevelCount = 0;
}

// A list without a description line is described by its path.
void ReadWordList(LineReader& reader, const std::string& firstLine, GameState& state,
                  GameHost& host) {
    state.FileDescription = CutText(firstLine.empty() ? state.BrowseFileName : firstLine);
    state.WordList = ReadWordPairs(reader, host);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
}

// How every list, native or imported, ends its opening.
OpenResult DealOpenedList(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal) {
    host.SetTitle(WindowTitle(path));
    const DealOutcome outcome =
        deal == DealKind::Plain ? NewGame(state, host) : NewGameUnblocked(state, host);
    host.InvalidateAll();
    return outcome == DealOutcome::Complete ? OpenResult::Dealt : OpenResult::Failed;
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

// Another program's list takes the place of the game in play only once it has been read whole.
OpenResult OpenImportedList(GameState& state, GameHost& host, const std::string& path,
                            ImportFormat format, DealKind deal, std::string previousPath) {
    std::optional<ImportedList> list = ImportListFile(host, path, format);
    if (!list) {
        state.BrowseFileName = std::move(previousPath);
        return OpenResult::Failed;
    }
    const std::vector<int> leftOut = std::move(list->leftOutLines);
    StopAutomaticPlay(state, host);
    TakeImportedList(state, std::move(*list));
    const OpenResult result = DealOpenedList(state, host, path, deal);
    if (!leftOut.empty()) {
        host.ShowMessage(LeftOutRowsMessage(path, leftOut));
    }
    return result;
}
} // namespace

OpenResult OpenFile(GameState& state, GameHost& host) {
    return OpenFileAtPath(state, host, host.ChooseFileToOpen());
}

OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path,
                          DealKind deal) {
    ResetView(state);
    if (RefuseLongPath(host, path)) {
        return OpenResult::Failed;
    }
    std::string previousPath = std::exchange(state.BrowseFileName, path);
    if (path.empty()) {
        return OpenResult::Cancelled;
    }
    if (const ImportFormat format = ImportFormatOf(path); format != ImportFormat::None) {
        return OpenImportedList(state, host, path, format, deal, std::move(previousPath));
    }
    StopAutomaticPlay(state, host);
    FreeWordList(state.WordList);
    state.WordsCount = 0;
    state.Languages = {};

    FileHandle file = OpenForReading(path);
    if (!file) {
        ForgetBoard(state);
        host.ShowMessage("Error can't open the file\n" + path);
        // The old tiles are gone; the screen must not go on showing them.
        host.InvalidateAll();
        return OpenResult::Failed;
    }
    LineReader reader(file.get(), LineReader::WordPiece);
    const std::string firstLine = ReadFirstLine(reader);
    switch (DetectFileKind(firstLine)) {
    case FileKind::SavedGame:
        file.reset();
        return Loadplayedgame(state, host, path) ? OpenResult::Loaded : OpenResult::Failed;
    case FileKind::WordList:
        ReadWordList(reader, firstLine, state, host);
        break;
    }
    file.reset();
    return DealOpenedList(state, host, path, deal);
}
