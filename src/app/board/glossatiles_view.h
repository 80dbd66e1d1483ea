#pragma once

#include "app/base/prompter.h"
#include "app/board/second_press_detector.h"
#include "game/board_position.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/unsaved_changes.h"
#include "learning/practice_pairs.h"
#include "learning/progress_store.h"
#include "view/board/board_painter.h"

#include <QImage>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

enum class DealKind;

// The board window: owns the game, turns mouse, command and timer events into calls on the
// rules, and carries out what the rules ask of their window. Everything is drawn into a back
// buffer first; the screen shows the buffer.
class CGlossatilesView : public QWidget, public GameHost {
    Q_OBJECT
public:
    explicit CGlossatilesView(QWidget* parent = nullptr);

    const GameState& State() const { return state_; }
    const QImage& BackBuffer() const { return buffer_; }
    void SetPrompter(std::unique_ptr<Prompter> prompter);
    // Brings the back buffer up to date when a full repaint is pending.
    void UpdateBackBuffer();
    // Paints the tiles onto a printer page: no panels, no selection.
    void PrintTo(QPrinter& printer) const;

    // Board units per screen pixel and back: the board is drawn and hit in its own units.
    qreal Scale() const { return scale_; }
    void SetScale(qreal scale);
    QPoint ToBoard(QPointF widgetPoint) const;
    QRect ToWidget(const QRect& boardArea) const;
    // The keyboard cursor's frame, drawn over the board; nullopt hides it.
    void SetKeyboardCursor(std::optional<BoardPosition> stack);
    std::optional<BoardPosition> KeyboardCursor() const { return keyboardCursor_; }
    // How File > Open, the recent files and the command line deal a word list.
    void SetOpeningDeal(DealKind deal) { openingDeal_ = deal; }

    // Opens a file as File > Open does, without asking for it. True when it was opened.
    bool OpenFileAtPath(const QString& path);
    // Before the game in play goes (the window closes, another game comes): asks whether to
    // save it when it has changes not saved. False when the player cancelled or the save failed.
    bool MayDiscardGame();
    // Deals `pairs` alone, as `what` of the list in play (say "Missed pairs"), a game of `kind`.
    void DealPractice(PracticePairs pairs, const char* what, std::string_view kind);
    // Today's Review: deals `due` from the words the progress store keeps.
    void DealReview(const std::vector<ScheduledPair>& due);

    // The right-click menu is built but never shown.
    QMenu MouseRightMenu;
    std::int32_t MouseRightMenuCreated = 0;
    std::string MouseRightMenuText;

    // GameHost
    void Report(const Message& message) override;
    void ShowMessage(std::string_view text) override;
    void SetTitle(std::string_view title) override;
    void ReportTitle(const Message& title) override;
    void InvalidateAll() override;
    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void DrawTile(int state, int column, int row, int level, const std::string* text) override;
    void DrawWrongMark(int column, int row) override;
    void DrawWrongPanel() override;
    void DrawHintsPanel() override;
    void DrawRemovedTilesPanel() override;
    void DrawHintHighlight(bool considerSelection) override;
    std::string ChooseFileToOpen() override;
    std::string ChooseFileToSave() override;
    std::optional<std::string> AskLevelText(std::string_view current) override;
    void ShowWordList() override;
    void ReportStatus(const Message& note) override;
    void ShowStatus(std::string_view text) override;
    void ReportNote(NoteTopic topic, const Message& note) override;
    void ShowNote(NoteTopic topic, std::string_view text) override;
    void WithdrawNote(NoteTopic topic) override;
    void OnPlayEvent(const PlayEvent& event) override;

signals:
    // A file was opened, loaded or saved successfully: it belongs in the recent-file list.
    void FileUsed(const QString& path);
    // A note for the status bar; empty for the idle prompt.
    void StatusNote(const QString& text);
    // A note the player must see, kept until closed or withdrawn.
    void NoteRequested(NoteTopic topic, const QString& text);
    void NoteWithdrawn(NoteTopic topic);
    // Every event of play, after the game state has changed.
    void PlayEventOccurred(const PlayEvent& event);
    // The whole board is to be drawn anew: after a deal, a load or a change of the level shown.
    void RepaintRequested();

public slots:
    void OnFileOpen();
    // File > Import…: File > Open with the import preview shown for any imported file.
    void OnFileImport();
    void OnFileSave();
    void OnFileSaveAs();
    void OnExportWordList();
    void OnLoadSavedGame();
    void OnNewGame();
    void OnNewGame3();
    void OnWordList();
    void OnRandomNumberTest();
    void OnDrawLevel();
    void OnLevelDown();
    void OnLevelUp();
    void OnShowAllLevels();
    void OnHint();
    void OnAutoRemovePair();
    void OnFastAutoFinish();
    void OnEditUndo();
    void OnEditRedo();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // A new document: the game is not the document's, so only the picture is renewed.
    void OnUpdate();

    void OnClearSelection();
    void OnLButtonDown(QPoint point);
    void OnLButtonUp(QPoint point);
    void OnRButtonDown(QPoint point);
    void OnRButtonUp(QPoint point);
    void OnTimer(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OpenChosenFile(bool showImportChoices);
    void OnDraw();
    // Runs an immediate draw on the back buffer and shows the area it touched.
    template <typename Draw> void DrawNow(const QRect& area, Draw draw);
    QRect RowArea(int row) const;
    QRect PanelArea() const;
    void ResizeBackBuffer();
    // nullptr for an id that is not one of the game's timers.
    QTimer* Timer(int id);
    QPrinter& Printer();
    // After a save: a written game has no changes left to save. Gives `written` back.
    bool Saved(bool written);

    GameState state_;
    UnsavedChanges changes_;
    BoardPainter painter_;
    QImage buffer_;
    bool repaintPending_ = true;
    std::unique_ptr<Prompter> prompter_;
    std::array<QTimer, 2> timers_;
    std::unique_ptr<QPrinter> printer_;
    SecondPressDetector secondPress_;
    // The last file the player chose to open, so that a loaded saved game can be remembered
    // by its own path rather than by the word list it names.
    std::string lastChosenFile_;
    qreal scale_ = 1.0;
    std::optional<BoardPosition> keyboardCursor_;
    DealKind openingDeal_;
};
