#include "files/open_file.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/imported_list_file.h"
#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "game/quiet_host.h"
#include "learning/pair_identity.h"
#include "savegame/save_loader.h"
#include "words/text_file.h"
#include "words/window_title.h"
#include "words/word_list_reader.h"

#include <algorithm>
#include <new>
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
    // Progress follows the words as read, whatever a save changes later.
    next.Identity = IdentityOfList(next.WordList, next.FileDescription);
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

// The reader of another program that claims the file; a saved game stays one whatever its name.
ImportFormat ImportFormatOf(const std::string& path) {
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes);
    if (!head || DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                     FileKind::SavedGame) {
        return ImportFormat::None;
    }
    return DetectImportFormat(path, *head);
}

// The list at `path` read as File > Open reads it, without a word to the player and without a
// deal; nullopt when it is no word list or cannot be read.
std::optional<GameState> ReadListQuietly(const std::string& path) {
    QuietHost quiet(0);
    GameState list;
    list.BrowseFileName = path;
    if (const ImportFormat format = ImportFormatOf(path); format != ImportFormat::None) {
        std::optional<ImportedList> imported = ImportListFile(quiet, path, format);
        if (!imported) {
            return std::nullopt;
        }
        TakeImportedList(list, std::move(*imported));
        return list;
    }
    FileHandle file = OpenTextFile(path, quiet);
    if (!file) {
        return std::nullopt;
    }
    LineReader reader(file.get(), LineReader::WordPiece);
    const std::string firstLine = ReadFirstLine(reader);
    if (DetectFileKind(firstLine) != FileKind::WordList) {
        return std::nullopt;
    }
    ReadWordList(reader, firstLine, list, quiet);
    return list;
}

bool SameWords(const WordPair& a, const WordPair& b) {
    return a.TextA.value_or("") == b.TextA.value_or("") &&
           a.TextB.value_or("") == b.TextB.value_or("");
}

// A loaded game is kept under the list it names while that list still holds as many pairs
// (saving may have changed a word in the game), otherwise under its own words.
void IdentifySavedGame(GameState& state) {
    std::optional<GameState> list;
    try {
        if (!state.BrowseFileName.empty()) {
            list = ReadListQuietly(state.BrowseFileName);
        }
    } catch (const std::bad_alloc&) {
        list.reset();
    }
    if (!list || list->WordList.size() != state.WordList.size()) {
        state.Identity = IdentityOfList(state.WordList, state.FileDescription);
        return;
    }
    state.Identity = IdentityOfList(list->WordList, list->FileDescription);
    if (!std::equal(list->WordList.begin(), list->WordList.end(), state.WordList.begin(),
                    SameWords)) {
        state.Identity.pairs = KeysOf(list->WordList, state.Identity.fingerprint);
    }
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
        host.ShowMessage(LeftOutRowsMessage(path, leftOut));
    }
    return result;
}
} // namespace

bool LoadGameFile(GameState& state, GameHost& host, const std::string& path) {
    if (!Loadplayedgame(state, host, path)) {
        return false;
    }
    IdentifySavedGame(state);
    return true;
}

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
        return LoadGameFile(state, host, path) ? OpenResult::Loaded : OpenResult::Failed;
    case FileKind::WordList:
        break;
    }
    GameState next = NextGameFor(state, path);
    ReadWordList(reader, firstLine, next, host);
    file.reset();
    return DealOpenedList(state, std::move(next), host, path, deal);
}
