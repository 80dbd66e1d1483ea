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
// A list without a description line is described by its path. Gives the number of lines
// left unread after a blank line.
int ReadWordList(LineReader& reader, const std::string& firstLine, GameState& state,
                 GameHost& host) {
    state.FileDescription = CutText(firstLine.empty() ? state.BrowseFileName : firstLine);
    WordPairsRead read = ReadWordPairs(reader, host);
    state.WordList = std::move(read.pairs);
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
    return read.linesNotRead;
}

// The game a file at `path` is read into; what outlives a game comes along. Save would write
// over the game of another list, so it asks for a file again.
GameState NextGameFor(GameState& state, const std::string& path) {
    GameState next = NextGameState(state);
    ResetView(next);
    if (path != state.ListPath) {
        next.RecordFileName.clear();
    }
    next.BrowseFileName = path;
    next.ListPath = path;
    return next;
}

// Two counts, two plurals: the note is said in two parts.
Message LinesNotReadNote(const std::string& path, std::size_t pairs, int lines) {
    Message note = PluralMessage(
        GT_PLURAL_TEXT("Message", "A blank line ends the list in %1 after %n pairs:"),
        "A blank line ends the list in %1 after %n pair:", static_cast<long long>(pairs), {path});
    note.followedBy.push_back(
        PluralMessage(GT_PLURAL_TEXT("Message", "%n lines after it were not read."),
                      "%n line after it was not read.", lines));
    return note;
}

// The notes about the list opened before are out of date; those about this one stay up.
void NoteWhatWasNotRead(const GameState& state, GameHost& host, const std::string& path,
                        int linesNotRead) {
    host.WithdrawNote(NoteTopic::NoWordPairs);
    host.WithdrawNote(NoteTopic::LinesNotRead);
    if (state.WordList.empty()) {
        host.ReportNote(NoteTopic::NoWordPairs,
                        {GT_TEXT("Message", "No word pairs found in %1"), {path}});
    }
    if (linesNotRead > 0) {
        host.ReportNote(NoteTopic::LinesNotRead,
                        LinesNotReadNote(path, state.WordList.size(), linesNotRead));
    }
}

// How every list, native or imported, ends its opening: dealt, it takes the place of the game
// in play; a deal that fails leaves that game, and its automatic play, as they were.
OpenResult DealOpenedList(GameState& state, GameState next, GameHost& host, const std::string& path,
                          DealKind deal, int linesNotRead = 0) {
    if (DealNewBoard(next, host, deal) != DealOutcome::Complete) {
        return OpenResult::Failed;
    }
    state = std::move(next);
    StopAutomaticPlay(state, host);
    host.SetTitle(WindowTitle(path));
    host.InvalidateAll();
    NoteWhatWasNotRead(state, host, path, linesNotRead);
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
    GameState next = NextGameFor(state, path);
    TakeImportedList(next, std::move(*list));
    const OpenResult result = DealOpenedList(state, std::move(next), host, path, deal);
    if (!leftOut.empty()) {
        host.Report(LeftOutRowsMessage(path, leftOut));
    }
    return result;
}
} // namespace

OpenResult OpenFile(GameState& state, GameHost& host, DealKind deal) {
    return OpenFileAtPath(state, host, host.ChooseFileToOpen(), deal);
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
    const int linesNotRead = ReadWordList(reader, firstLine, next, host);
    file.reset();
    return DealOpenedList(state, std::move(next), host, path, deal, linesNotRead);
}
