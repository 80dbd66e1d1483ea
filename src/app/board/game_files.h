#pragma once

#include "app/base/game_in_play.h"
#include "app/board/opening_with_progress.h"
#include "game/deal.h"
#include "game/unsaved_changes.h"

class CGlossatilesView;
class Prompter;

// The game in play behind the board: the commands that open, deal, save and export it, and the
// one way another game takes its place, which first asks about a game with changes not saved.
class GameFiles : public GameInPlay, private GameDealer {
    Q_OBJECT
public:
    // Lives as long as the view: it is the view's child.
    GameFiles(CGlossatilesView& view, Prompter& prompter);

    // How File > Open, the recent files and the command line deal a word list.
    void SetOpeningDeal(DealKind deal) { openingDeal_ = deal; }
    // How long an open reads before it shows its progress and a Cancel button.
    void SetSlowOpenDelay(std::chrono::milliseconds delay) { slowOpenDelay_ = delay; }

    const GameState& State() const override;
    GameHost& Host() override;
    QWidget& Window() override;
    bool MayDiscardGame() override;
    bool Replace(const std::function<void(GameDealer&)>& replace) override;

signals:
    // A file was opened, loaded or saved successfully: it belongs in the recent-file list.
    void FileUsed(const QString& path);

public slots:
    void OnFileOpen();
    // File > Import…: File > Open with the import preview shown for any imported file.
    void OnFileImport();
    void OnLoadSavedGame();
    void OnNewGame();
    void OnNewGame3();
    void OnFileSave();
    void OnFileSaveAs();
    void OnExportWordList();

private:
    bool OpenPath(const QString& path) override;
    void DealPractice(PracticePairs pairs, const char* what, std::string_view kind) override;
    void DealReview(const std::vector<ScheduledPair>& due) override;
    void DealClassHardestPairs(const ClassResults& results) override;

    void OpenChosenFile(bool showImportChoices);
    // A file opened or loaded goes to the recent files. Gives `opened` back.
    bool Used(bool opened, const QString& path);
    // After a save: a written game has no changes left to save. Gives `written` back.
    bool Saved(bool written);

    CGlossatilesView& view_;
    GameState& state_;
    Prompter& prompter_;
    UnsavedChanges changes_;
    DealKind openingDeal_ = DealKind::Plain;
    std::chrono::milliseconds slowOpenDelay_ = SlowOpenDelay;
};
