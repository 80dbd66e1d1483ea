#pragma once

#include "app/shell/glossatiles_doc.h"
#include "app/shell/recent_file_list.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <vector>

class BoardPrinting;
class BoardZoom;
class CGlossatilesView;
class GameFiles;
class GameInPlay;
class GameLearning;
class HomeControl;
class KeyboardPlay;
class KeyLockIndicators;
class NoteBar;
class PracticeControl;
class Prompter;
class QAction;
class QMenu;
class QStackedWidget;
class QToolBar;
class TeacherCommands;
class TodaysReview;
class ReviewMemory;
class SpeechControl;
class TypingControl;

// The main window: menu bar, toolbar and status bar around the board view. Every command is an
// action that carries its numeric id as data. It alone makes the window's features and wires
// them to the game in play, and it alone writes the status bar and the notes bar.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The modal questions go to the real windows, or to `prompter`.
    CMainFrame();
    explicit CMainFrame(std::unique_ptr<Prompter> prompter);
    ~CMainFrame() override;

    CGlossatilesView& View() const { return *view_; }
    GameInPlay& Game() const;
    GameLearning& Learning() const { return *learning_; }
    TypingControl& Typing() const { return *typing_; }
    PracticeControl& Practice() const { return *practice_; }
    RecentFileList& RecentFiles() { return recentFiles_; }
    QToolBar* ToolBar() const { return toolBar_; }
    const KeyLockIndicators& Indicators() const { return *indicators_; }
    KeyboardPlay& Keyboard() const { return *keyboard_; }
    NoteBar& Notes() const { return *notes_; }
    TeacherCommands& Teacher() const { return *teacher_; }
    TodaysReview& Review() const { return *review_; }
    ReviewMemory& Memory() const { return *memory_; }
    SpeechControl& Speech() const { return *speech_; }
    HomeControl& Home() const { return *home_; }
    // The action of a command of the table, or nullptr.
    QAction* Action(int id) const;
    // The entries of the recent-file section, one per remembered file.
    std::vector<QAction*> RecentFileActions() const;

    // Opens a file as File > Open does, as for a file named on the command line. True when
    // it was opened.
    bool OpenDocumentFile(const QString& path);
    // At start: fits the window to the screen, maximised where the screen is small.
    void SizeToScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A dark palette gets icons drawn for it.
    void changeEvent(QEvent* event) override;

private slots:
    void OnAppAbout();
    void OnRecentFile(int index);
    void ShowRecentFiles();
    void OnHelpKeys();

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void RouteCommands();
    void CreateBoardArea();

    CGlossatilesDoc document_;
    std::unique_ptr<Prompter> prompter_;
    CGlossatilesView* view_;
    GameFiles* game_;
    BoardPrinting* printing_;
    GameLearning* learning_;
    RecentFileList recentFiles_;
    std::map<int, QAction*> actions_;
    QAction* recentPlaceholder_ = nullptr;
    std::vector<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    KeyLockIndicators* indicators_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    BoardZoom* zoom_ = nullptr;
    NoteBar* notes_ = nullptr;
    TeacherCommands* teacher_ = nullptr;
    TodaysReview* review_ = nullptr;
    ReviewMemory* memory_ = nullptr;
    SpeechControl* speech_ = nullptr;
    TypingControl* typing_ = nullptr;
    PracticeControl* practice_ = nullptr;
    HomeControl* home_ = nullptr;
    QStackedWidget* middle_ = nullptr;
    QWidget* board_ = nullptr;
    // What the message pane shows while no menu or button prompt is up.
    QString idleMessage_;
};
