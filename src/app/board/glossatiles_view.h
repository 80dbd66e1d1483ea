#pragma once

#include "app/board/board_display.h"
#include "app/board/second_press_detector.h"
#include "game/board_position.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "view/board/board_painter.h"

#include <QImage>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <array>

class Prompter;

// The board window: owns the game, turns mouse, command and timer events into calls on the
// rules, and carries out what the rules ask of their window. Everything is drawn into a back
// buffer first; the screen shows the buffer. Its modal questions go to `prompter`.
class CGlossatilesView : public QWidget, public GameHost, public BoardDisplay {
    Q_OBJECT
public:
    explicit CGlossatilesView(Prompter& prompter, QWidget* parent = nullptr);

    const GameState& State() const override { return state_; }
    // The game itself, for the board's parts that play it: the file commands, keyboard play.
    GameState& Game() { return state_; }
    // The file the player chose last in the open dialog, empty when it was cancelled.
    const std::string& LastChosenFile() const { return lastChosenFile_; }
    const QImage& BackBuffer() const { return buffer_; }
    // Brings the back buffer up to date when a full repaint is pending.
    void UpdateBackBuffer();

    // BoardDisplay
    QWidget& Widget() override { return *this; }
    qreal Scale() const override { return scale_; }
    void SetScale(qreal scale) override;
    QRect ToWidget(const QRect& boardArea) const override;
    std::optional<BoardPosition> KeyboardCursor() const override { return keyboardCursor_; }

    QPoint ToBoard(QPointF widgetPoint) const;
    // The keyboard cursor's frame, drawn over the board; nullopt hides it.
    void SetKeyboardCursor(std::optional<BoardPosition> stack);

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
    // A new document: the game is not the document's, so only the picture is renewed.
    void OnUpdate();

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
    void OnDraw();
    // Runs an immediate draw on the back buffer and shows the area it touched.
    template <typename Draw> void DrawNow(const QRect& area, Draw draw);
    QRect RowArea(int row) const;
    QRect PanelArea() const;
    void ResizeBackBuffer();
    // nullptr for an id that is not one of the game's timers.
    QTimer* Timer(int id);

    GameState state_;
    BoardPainter painter_;
    QImage buffer_;
    bool repaintPending_ = true;
    Prompter& prompter_;
    std::array<QTimer, 2> timers_;
    SecondPressDetector secondPress_;
    // The last file the player chose to open, so that a loaded saved game can be remembered
    // by its own path rather than by the word list it names.
    std::string lastChosenFile_;
    qreal scale_ = 1.0;
    std::optional<BoardPosition> keyboardCursor_;
};
