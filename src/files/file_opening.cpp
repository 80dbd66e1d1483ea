#include "files/file_opening.h"

#include "files/file_bytes.h"
#include "files/file_kind.h"
#include "files/import_chooser.h"
#include "files/open_file.h"
#include "game/auto_play.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/long_path.h"
#include "learning/pair_identity.h"
#include "words/cancel_flag.h"
#include "words/text_file.h"
#include "words/window_title.h"

#include <iterator>
#include <utility>

namespace {

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

// A file that is no word list, one long line, would otherwise be dealt in silence.
Message LinesSplitNote(const std::string& path, int lines) {
    return PluralMessage(GT_PLURAL_TEXT("Message", "%n lines of %1 are longer than 998 bytes; "
                                                   "each was read as several words."),
                         "%n line of %1 is longer than 998 bytes; it was read as several words.",
                         lines, {path});
}

// What was read from a file that is read whole, for the notes of its opening.
struct ReadingNotes {
    int linesNotRead = 0;
    int linesSplit = 0;
};

// The notes about the list opened before are out of date; those about this one stay up.
void NoteWhatWasNotRead(const GameState& state, GameHost& host, const std::string& path,
                        const ReadingNotes& reading) {
    for (const NoteTopic topic :
         {NoteTopic::LinesNotRead, NoteTopic::LinesSplit, NoteTopic::ImportNotes}) {
        host.WithdrawNote(topic);
    }
    if (reading.linesNotRead > 0) {
        host.ReportNote(NoteTopic::LinesNotRead,
                        LinesNotReadNote(path, state.WordList.size(), reading.linesNotRead));
    }
    if (reading.linesSplit > 0) {
        host.ReportNote(NoteTopic::LinesSplit, LinesSplitNote(path, reading.linesSplit));
    }
}

// How every list, native or imported, ends its opening: dealt, it takes the place of the game
// in play; a deal that fails leaves that game, and its automatic play, as they were.
OpenResult DealOpenedList(GameState& state, GameState next, GameHost& host, const std::string& path,
                          DealKind deal, const ReadingNotes& reading) {
    // Progress follows the words as read, whatever a save changes later.
    next.Identity = IdentityOfList(next.WordList, next.FileDescription);
    if (DealNewBoard(next, host, deal) != DealOutcome::Complete) {
        return OpenResult::Failed;
    }
    state = std::move(next);
    StopAutomaticPlay(state, host);
    host.SetTitle(WindowTitle(path));
    host.InvalidateAll();
    NoteWhatWasNotRead(state, host, path, reading);
    NoteMissingMedia(state, host);
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return OpenResult::Dealt;
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

} // namespace

void KeptMessages::SayTo(MessageSink& sink) {
    for (const Message& message : std::exchange(kept_, {})) {
        sink.Report(message);
    }
}

FileOpening::FileOpening(std::string path, const CancelFlag* cancel)
    : path_(std::move(path)), cancel_(cancel) {}

bool FileOpening::Skipped() const {
    return path_.empty() || path_.size() > MaxTextLength;
}

void FileOpening::Prepare() {
    if (Skipped()) {
        return;
    }
    // One byte more than the detection needs tells whether the head is the whole file.
    const std::optional<std::string> head = ReadFileBytes(path_, ImportDetectionBytes + 1);
    if (head && DetectFileKind(std::string_view(*head).substr(0, head->find('\n'))) ==
                    FileKind::SavedGame) {
        savedGame_ = true;
        return;
    }
    const ImportFormat detected =
        head ? DetectImportFormat(path_, std::string_view(*head).substr(0, ImportDetectionBytes),
                                  head->size() <= ImportDetectionBytes)
             : ImportFormat::None;
    import_.emplace(path_, detected, cancel_);
    import_->Prepare();
}

bool FileOpening::Choose(ImportChooser* chooser) {
    if (IsCancelled(cancel_)) {
        return false;
    }
    if (Skipped() || !import_ || chooser == nullptr) {
        return true;
    }
    std::optional<ImportChoice> chosen = chooser->ChooseImport(
        path_, [this](const ImportChoice& shown) { return import_->Preview(shown); });
    chooserCancelled_ = !chosen;
    choice_ = std::move(chosen).value_or(ImportChoice{});
    return !chooserCancelled_;
}

void FileOpening::Read() {
    if (Skipped() || !import_ || chooserCancelled_) {
        return;
    }
    native_ = ChosenFormat(import_->Detected(), choice_) == ImportFormat::None;
    if (!native_) {
        imported_ = import_->Read(choice_);
        return;
    }
    FileHandle file = OpenTextFile(path_, said_);
    nativeOpened_ = file != nullptr;
    if (nativeOpened_) {
        LineReader reader(file.get(), LineReader::WordPiece);
        firstLine_ = ReadFirstLine(reader);
        nativeRead_ = ReadWordPairs(reader, said_, cancel_);
    }
}

bool FileOpening::TakeList(GameState& list) {
    if (Skipped() || savedGame_ || !import_ || chooserCancelled_ || nativeRead_.cancelled ||
        imported_.cancelled) {
        return false;
    }
    if (native_) {
        if (!nativeOpened_) {
            return false;
        }
        const std::string& description = choice_.description.empty()
                                             ? (firstLine_.empty() ? path_ : firstLine_)
                                             : choice_.description;
        list.FileDescription = CutText(description);
        list.WordList = std::move(nativeRead_.pairs);
        list.Languages = {};
        ListReading reading;
        reading.choice = choice_;
        reading.whole = nativeRead_.linesNotRead == 0 && nativeRead_.linesSplit == 0 &&
                        !nativeRead_.outOfMemory;
        list.Reading = std::move(reading);
    } else {
        if (!imported_.list) {
            return false;
        }
        list.FileDescription = CutText(imported_.list->description);
        list.WordList = std::move(imported_.list->pairs);
        list.Languages = std::move(imported_.list->languages);
        list.Reading = std::move(imported_.list->reading);
    }
    list.WordsCount = static_cast<std::int32_t>(list.WordList.size());
    return true;
}

OpenResult FileOpening::Finish(GameState& state, GameHost& host, DealKind deal) {
    if (RefuseLongPath(host, path_)) {
        return OpenResult::Failed;
    }
    if (path_.empty()) {
        ForgetChosenFile(state);
        return OpenResult::Cancelled;
    }
    if (chooserCancelled_ || IsCancelled(cancel_) || nativeRead_.cancelled || imported_.cancelled) {
        return OpenResult::Cancelled;
    }
    if (savedGame_) {
        return LoadGameFile(state, host, path_) ? OpenResult::Loaded : OpenResult::Failed;
    }
    said_.SayTo(host);
    if (!native_ && !imported_.list) {
        host.Report(ImportFailureMessage(path_, std::move(imported_.problem)));
        return OpenResult::Failed;
    }
    const std::vector<int> leftOut =
        native_ ? std::vector<int>() : std::move(imported_.list->leftOutLines);
    const std::optional<Message> notes =
        native_ ? std::nullopt : JoinedNotes(std::move(imported_.list->notes));
    const ReadingNotes reading{nativeRead_.linesNotRead, nativeRead_.linesSplit};
    GameState next = NextGameFor(state, path_);
    if (!TakeList(next)) {
        return OpenResult::Failed;
    }
    // Nothing to deal: the game in play stays, as for a file that cannot be read.
    if (next.WordList.empty()) {
        Message nothing{GT_TEXT("Message", "No word pairs found in %1"), {path_}};
        if (reading.linesNotRead > 0) {
            nothing.followedBy.push_back(LinesNotReadNote(path_, 0, reading.linesNotRead));
        }
        host.Report(nothing);
        return OpenResult::Failed;
    }
    const OpenResult result = DealOpenedList(state, std::move(next), host, path_, deal, reading);
    if (!leftOut.empty()) {
        host.Report(LeftOutRowsMessage(path_, leftOut));
    }
    if (result == OpenResult::Dealt && notes) {
        host.ReportNote(NoteTopic::ImportNotes, *notes);
    }
    return result;
}
