#include "files/open_file.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/imported_list_file.h"
#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "game/quiet_host.h"
#include "learning/memory_key.h"
#include "learning/pair_identity.h"
#include "learning/practice_deal.h"
#include "learning/progress_store.h"
#include "savegame/save_loader.h"
#include "savegame/saved_game_text.h"
#include "words/text_file.h"
#include "words/window_title.h"
#include "words/word_list_reader.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <new>
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
    host.WithdrawNote(NoteTopic::ImportNotes);
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
    // Progress follows the words as read, whatever a save changes later.
    next.Identity = IdentityOfList(next.WordList, next.FileDescription);
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
    // One byte more than the detection needs tells whether the head is the whole file.
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes + 1);
    if (!head || DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                     FileKind::SavedGame) {
        return ImportFormat::None;
    }
    const bool whole = head->size() <= ImportDetectionBytes;
    return DetectImportFormat(path, std::string_view(*head).substr(0, ImportDetectionBytes), whole);
}

// The notes of a reading in one status line; nullopt without any.
std::optional<Message> JoinedNotes(std::vector<Message> notes) {
    if (notes.empty()) {
        return std::nullopt;
    }
    Message joined = std::move(notes.front());
    std::move(notes.begin() + 1, notes.end(), std::back_inserter(joined.followedBy));
    return joined;
}

// The list at `path` read as File > Open reads it, without a word to the player and without a
// deal; nullopt when it is no word list or cannot be read.
std::optional<GameState> ReadListQuietly(const std::string& path) {
    QuietHost quiet(0);
    GameState list;
    list.BrowseFileName = path;
    if (const ImportFormat format = ImportFormatOf(path); format != ImportFormat::None) {
        ImportedFile imported = ImportListFile(quiet, path, format, nullptr);
        if (!imported.list) {
            return std::nullopt;
        }
        TakeImportedList(list, std::move(*imported.list));
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

// A saved game names a saved game as its source when it was dealt from no list.
bool IsSavedGameFile(const std::string& path) {
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes);
    return head && DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                       FileKind::SavedGame;
}

// A loaded game is kept under the list it names when most of its pairs are found there by their
// words: saving may have changed a word, the list may have been sorted or edited since, and a
// practice game holds some of its pairs only. Each pair found is the list's; the others are
// their own words. A game without such a list is kept under its own words, and Today's Review,
// whose source is the saved game itself, as a review again.
void IdentifySavedGame(GameState& state) {
    const std::string& source = state.BrowseFileName;
    std::optional<GameState> list;
    try {
        if (!source.empty()) {
            list = ReadListQuietly(source);
        }
    } catch (const std::bad_alloc&) {
        list.reset();
    }
    state.Identity = IdentityOfList(state.WordList, state.FileDescription);
    if (!list) {
        if (state.FileDescription == TodaysReviewTitle && IsSavedGameFile(source)) {
            state.Identity = {ReviewFingerprint, state.FileDescription, GameKind::Review, {}};
            state.ListPath.clear();
        }
        return;
    }
    const GameIdentity named = IdentityOfList(list->WordList, list->FileDescription);
    std::multimap<MemoryKey, std::size_t> listed;
    for (std::size_t i = 0; i < list->WordList.size(); ++i) {
        const WordPair saved = WordsAsSaved(list->WordList[i]);
        listed.emplace(MemoryKeyOf(*saved.TextA, *saved.TextB), i);
    }
    std::vector<PairKey> keys = KeysOf(state.WordList, named.fingerprint);
    std::size_t found = 0;
    for (PairKey& key : keys) {
        const auto match = listed.find(MemoryKeyOf(key.textA, key.textB));
        if (match != listed.end()) {
            const WordPair& pair = list->WordList[match->second];
            key = {named.fingerprint, pair.TextA.value_or(""), pair.TextB.value_or("")};
            listed.erase(match);
            ++found;
        }
    }
    if (2 * found > keys.size()) {
        state.Identity = named;
        state.Identity.pairs = std::move(keys);
    }
}

OpenResult OpenImportedList(GameState& state, GameHost& host, const std::string& path,
                            ImportFormat format, DealKind deal, ImportChooser* chooser) {
    ImportedFile imported = ImportListFile(host, path, format, chooser);
    if (!imported.list) {
        return imported.cancelled ? OpenResult::Cancelled : OpenResult::Failed;
    }
    std::optional<ImportedList>& list = imported.list;
    const std::vector<int> leftOut = std::move(list->leftOutLines);
    const std::optional<Message> notes = JoinedNotes(std::move(list->notes));
    GameState next = NextGameFor(state, path);
    TakeImportedList(next, std::move(*list));
    const OpenResult result = DealOpenedList(state, std::move(next), host, path, deal);
    if (!leftOut.empty()) {
        host.Report(LeftOutRowsMessage(path, leftOut));
    }
    if (result == OpenResult::Dealt && notes) {
        host.ReportNote(NoteTopic::ImportNotes, *notes);
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

OpenResult OpenFile(GameState& state, GameHost& host, DealKind deal, ImportChooser* chooser) {
    return OpenFileAtPath(state, host, host.ChooseFileToOpen(), deal, chooser);
}

OpenResult OpenFileAtPath(GameState& state, GameHost& host, const std::string& path, DealKind deal,
                          ImportChooser* chooser) {
    if (RefuseLongPath(host, path)) {
        return OpenResult::Failed;
    }
    if (path.empty()) {
        ForgetChosenFile(state);
        return OpenResult::Cancelled;
    }
    if (const ImportFormat format = ImportFormatOf(path); format != ImportFormat::None) {
        return OpenImportedList(state, host, path, format, deal, chooser);
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
        return LoadGameFile(state, host, path) ? OpenResult::Loaded : OpenResult::Failed;
    case FileKind::WordList:
        break;
    }
    GameState next = NextGameFor(state, path);
    const int linesNotRead = ReadWordList(reader, firstLine, next, host);
    file.reset();
    return DealOpenedList(state, std::move(next), host, path, deal, linesNotRead);
}
