#include "app/board/game_files.h"

#include "app/base/language_choices.h"
#include "app/base/prompter.h"
#include "app/board/glossatiles_view.h"
#include "app/board/import_choices.h"
#include "app/board/opening_with_progress.h"
#include "files/class_practice.h"
#include "files/open_file.h"
#include "files/word_list_export.h"
#include "game/game_state.h"
#include "game/word_list_command.h"
#include "learning/practice_deal.h"
#include "savegame/save_game.h"

#include <QFile>

namespace {
std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString PathText(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

bool Opened(OpenResult result) {
    return result == OpenResult::Dealt || result == OpenResult::Loaded;
}
} // namespace

GameFiles::GameFiles(CGlossatilesView& view, Prompter& prompter)
    : GameInPlay(&view), view_(view), state_(view.Game()), prompter_(prompter) {
    // Heard before anything else hears it, so that the game knows whether it has changed.
    connect(&view, &CGlossatilesView::PlayEventOccurred, this, [this](const PlayEvent& event) {
        changes_.Hear(event);
        emit PlayEventOccurred(event);
    });
}

const GameState& GameFiles::State() const {
    return state_;
}

GameHost& GameFiles::Host() {
    return view_;
}

QWidget& GameFiles::Window() {
    return view_;
}

bool GameFiles::MayDiscardGame() {
    // A finished game has nothing left to save.
    return !changes_.Any() || NoTileLeft(state_) ||
           MayLetGo(prompter_.AskSaveGameInProgress(&view_),
                    [this] { return Saved(SaveGame(state_, view_)); });
}

bool GameFiles::Replace(const std::function<void(GameDealer&)>& replace) {
    if (!MayDiscardGame()) {
        return false;
    }
    replace(*this);
    return true;
}

// Commands

void GameFiles::OnFileOpen() {
    OpenChosenFile(false);
}

void GameFiles::OnFileImport() {
    OpenChosenFile(true);
}

void GameFiles::OpenChosenFile(bool showImportChoices) {
    Replace([&](GameDealer&) {
        RememberedImportChooser importChooser(prompter_, &view_, showImportChoices);
        const std::string path = view_.ChooseFileToOpen();
        Used(Opened(OpenWithProgress(view_, state_, view_, path, openingDeal_, &importChooser,
                                     slowOpenDelay_)),
             PathText(path));
    });
}

void GameFiles::OnLoadSavedGame() {
    Replace([this](GameDealer&) {
        const bool loaded = LoadGameFile(state_, view_, std::string());
        Used(loaded, PathText(view_.LastChosenFile()));
    });
}

void GameFiles::OnNewGame() {
    Replace([this](GameDealer&) {
        NewGame(state_, view_);
        view_.InvalidateAll();
    });
}

void GameFiles::OnNewGame3() {
    Replace([this](GameDealer&) {
        NewGameUnblocked(state_, view_);
        view_.InvalidateAll();
    });
}

void GameFiles::OnFileSave() {
    Saved(SaveGame(state_, view_));
}

void GameFiles::OnFileSaveAs() {
    Saved(SaveGameAs(state_, view_));
}

bool GameFiles::Saved(bool written) {
    if (written) {
        changes_.Saved();
        const QString path = PathText(state_.RecordFileName);
        view_.ShowStatus(tr("Game saved to %1").arg(path).toStdString());
        Used(true, path);
    }
    return written;
}

bool GameFiles::Used(bool opened, const QString& path) {
    if (opened) {
        emit FileUsed(path);
    }
    return opened;
}

void GameFiles::OnExportWordList() {
    if (RefuseWithoutWordList(state_, view_)) {
        return;
    }
    const QString chosen = prompter_.ChooseFileToExport(&view_);
    if (!chosen.isEmpty() &&
        ExportWordList(state_, view_, PathBytes(chosen), ChosenListLanguages(state_))) {
        view_.ShowStatus(tr("Word list exported to %1").arg(chosen).toStdString());
    }
}

// The dealer Replace hands out

bool GameFiles::OpenPath(const QString& path) {
    RememberedImportChooser importChooser(prompter_, &view_, false);
    return Used(Opened(OpenWithProgress(view_, state_, view_, PathBytes(path), openingDeal_,
                                        &importChooser, slowOpenDelay_)),
                path);
}

void GameFiles::DealPractice(PracticePairs pairs, const char* what, std::string_view kind) {
    ::DealPractice(state_, view_, std::move(pairs), what, kind);
}

void GameFiles::DealReview(const std::vector<ScheduledPair>& due) {
    ::DealReview(state_, view_, due);
}

void GameFiles::DealClassHardestPairs(const ClassResults& results) {
    ::DealClassHardestPairs(state_, view_, results);
}
