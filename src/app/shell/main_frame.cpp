#include "app/shell/main_frame.h"

#include "app/access/announcer.h"
#include "app/access/board_accessible.h"
#include "app/access/calendar_accessible.h"
#include "app/access/play_announcer.h"
#include "app/base/command_ids.h"
#include "app/base/qt_prompter.h"
#include "app/base/translated.h"
#include "app/board/board_printing.h"
#include "app/board/board_zoom.h"
#include "app/board/game_files.h"
#include "app/board/glossatiles_view.h"
#include "app/board/keyboard_play.h"
#include "app/board/opening_deal.h"
#include "app/board/undo_actions.h"
#include "app/home/home_control.h"
#include "app/learning/game_learning.h"
#include "app/learning/practice_control.h"
#include "app/learning/review_memory.h"
#include "app/learning/todays_review.h"
#include "app/learning/typing_control.h"
#include "app/lists/teacher_commands.h"
#include "app/shell/about_dlg.h"
#include "app/shell/command_icons.h"
#include "app/shell/command_table.h"
#include "app/shell/key_lock_indicators.h"
#include "app/shell/keys_dlg.h"
#include "app/shell/level_pane.h"
#include "app/shell/note_bar.h"
#include "app/speech/speech_control.h"
#include "learning/sqlite_progress_store.h"
#include "view/board/board_pixels.h"
#include "view/dialogs/how_to_play_dlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

using namespace CommandId;

// The window that shows the whole board, its panels and bars at the board's own scale.
constexpr QSize BoardAtItsOwnSize(930, 690);

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The game's commands: those that put a game in play or keep it, printing, and play itself.
constexpr std::pair<int, void (GameFiles::*)()> GameRoutes[] = {
    {FileOpen, &GameFiles::OnFileOpen},
    {FileImport, &GameFiles::OnFileImport},
    {FileSave, &GameFiles::OnFileSave},
    {FileSaveAs, &GameFiles::OnFileSaveAs},
    {ExportWordList, &GameFiles::OnExportWordList},
    {LoadSavedGame, &GameFiles::OnLoadSavedGame},
    {CommandId::NewGame, &GameFiles::OnNewGame},
    {NewGame3, &GameFiles::OnNewGame3},
};
constexpr std::pair<int, void (BoardPrinting::*)()> PrintRoutes[] = {
    {FilePrint, &BoardPrinting::OnFilePrint},
    {FilePrintPreview, &BoardPrinting::OnFilePrintPreview},
    {FilePrintSetup, &BoardPrinting::OnFilePrintSetup},
};
constexpr std::pair<int, void (CGlossatilesView::*)()> ViewRoutes[] = {
    {WordList, &CGlossatilesView::OnWordList},
    {RandomNumberTest, &CGlossatilesView::OnRandomNumberTest},
    {DrawLevel, &CGlossatilesView::OnDrawLevel},
    {LevelDown, &CGlossatilesView::OnLevelDown},
    {LevelUp, &CGlossatilesView::OnLevelUp},
    {ShowAllLevels, &CGlossatilesView::OnShowAllLevels},
    {Hint, &CGlossatilesView::OnHint},
    {AutoRemovePair, &CGlossatilesView::OnAutoRemovePair},
    {FastAutoFinish, &CGlossatilesView::OnFastAutoFinish},
    {EditUndo, &CGlossatilesView::OnEditUndo},
    {EditRedo, &CGlossatilesView::OnEditRedo},
};

// "&1 /home/me/verbs.txt": the entry's number is its mnemonic.
QString RecentFileText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

template <class Handler, std::size_t Count>
void Route(const CMainFrame& frame, Handler* handler,
           const std::pair<int, void (Handler::*)()> (&routes)[Count]) {
    for (const auto& [id, slot] : routes) {
        QObject::connect(frame.Action(id), &QAction::triggered, handler, slot);
    }
}

} // namespace

CMainFrame::CMainFrame() : CMainFrame(std::make_unique<QtPrompter>()) {}

CMainFrame::CMainFrame(std::unique_ptr<Prompter> prompter)
    : prompter_(std::move(prompter)), view_(new CGlossatilesView(*prompter_, this)),
      game_(new GameFiles(*view_, *prompter_)),
      printing_(new BoardPrinting(view_->State(), *prompter_, *view_)),
      learning_(
          new GameLearning(*game_, std::make_unique<SqliteProgressStore>(DefaultProgressPath()))),
      recentFiles_(RecentFileCount) {
    setWindowTitle(QStringLiteral("Glossatiles"));
    CreateBoardArea();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    RouteCommands();
    speech_ =
        new SpeechControl(*game_, *Action(SpeakWords), *Action(PlaySounds), *Action(Languages));
    connect(game_, &GameInPlay::PlayEventOccurred, learning_, &GameLearning::OnPlayEvent);
    BindOpeningDeal(*Action(DealClearableBoards), *game_);
    teacher_ = new TeacherCommands(*game_, *Action(FileNew), *Action(NewWordList),
                                   *Action(EditWordList), *Action(PrintWorksheet));
    auto* duePane = new QLabel(statusBar());
    statusBar()->addPermanentWidget(duePane);
    review_ = new ::TodaysReview(*game_, *learning_, *duePane);
    connect(Action(CommandId::TodaysReview), &QAction::triggered, review_,
            &::TodaysReview::OnTodaysReview);
    memory_ = new ReviewMemory(*game_, *learning_);
    connect(Action(CommandId::ReviewSettings), &QAction::triggered, memory_,
            &ReviewMemory::OnReviewSettings);
    connect(memory_, &ReviewMemory::ScheduleChanged, review_, &::TodaysReview::Rescheduled);
    typing_ = new TypingControl(*game_);
    connect(Action(TypeTheWords), &QAction::triggered, typing_, &TypingControl::OnTypeTheWords);
    connect(learning_, &GameLearning::TypePairsRequested, typing_, &TypingControl::TypePairs);
    connect(typing_, &TypingControl::RoundEnded, learning_, &GameLearning::RecordRound);
    connect(typing_, &TypingControl::RightAnswerShown, speech_, &SpeechControl::SayWord);
    connect(typing_, &TypingControl::ListenAsked, speech_, &SpeechControl::Listen);
    connect(typing_, &TypingControl::Spoken, this, &Announce);
    practice_ = new PracticeControl(*game_, *learning_);
    connect(Action(Flashcards), &QAction::triggered, practice_, &PracticeControl::OnFlashcards);
    connect(Action(ChooseTheWord), &QAction::triggered, practice_,
            &PracticeControl::OnChooseTheWord);
    connect(practice_, &PracticeControl::TypePairsRequested, typing_, &TypingControl::TypePairs);
    connect(learning_, &GameLearning::FlashcardPairsRequested, practice_,
            &PracticeControl::FlashcardPairs);
    connect(learning_, &GameLearning::ChoosePairsRequested, practice_,
            &PracticeControl::ChoosePairs);
    connect(practice_, &PracticeControl::AnswerShown, speech_, &SpeechControl::SayWord);
    connect(practice_, &PracticeControl::Spoken, this, &Announce);

    home_ = new HomeControl(*middle_, *board_, *game_, *learning_, *prompter_,
                            [this](int id) { Action(id)->trigger(); });
    connect(Action(ViewHome), &QAction::triggered, home_, &HomeControl::ShowHome);
    connect(learning_, &GameLearning::HomeRequested, home_, &HomeControl::ShowHome);
    connect(memory_, &ReviewMemory::ScheduleChanged, home_, &HomeControl::Refresh);
    connect(learning_, &GameLearning::NewListRequested, teacher_, &TeacherCommands::NewWordListOf);

    connect(game_, &GameFiles::FileUsed, &recentFiles_, &RecentFileList::Add);
    connect(&recentFiles_, &RecentFileList::Changed, this, &CMainFrame::ShowRecentFiles);
    ShowRecentFiles();

    move(10, 10);
    resize(BoardAtItsOwnSize);
}

void CMainFrame::SizeToScreen() {
    const QScreen* screen = this->screen();
    if (!screen) {
        return;
    }
    const QRect room = screen->availableGeometry();
    if (room.width() < 1280 || room.height() < 800) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // Never smaller than the board at its own size, which would scroll on a newcomer's first look.
    resize(std::max(room.width() * 3 / 4, BoardAtItsOwnSize.width()),
           std::max(room.height() * 4 / 5, BoardAtItsOwnSize.height()));
    move(room.center() - rect().center());
}

CMainFrame::~CMainFrame() {
    // The board and all that hangs on it ask through the prompter, which goes before the
    // window's children would.
    delete centralWidget();
}

GameInPlay& CMainFrame::Game() const {
    return *game_;
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

std::vector<QAction*> CMainFrame::RecentFileActions() const {
    std::vector<QAction*> shown;
    for (QAction* action : recentActions_) {
        if (action->isVisible()) {
            shown.push_back(action);
        }
    }
    return shown;
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        for (const Command& command : Commands()) {
            actions_[command.id]->setIcon(CommandIcon(command.id, palette()));
        }
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::CreateActions() {
    for (const Command& command : Commands()) {
        auto* action = new QAction(CommandIcon(command.id, palette()),
                                   Translated("Command", command.text), this);
        action->setData(command.id);
        // The status prompt, then optionally a line with the tool tip; without one, the prompt
        // is the tool tip too.
        const QString prompt = Translated("Command", command.prompt);
        const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(prompt.left(newline));
        action->setToolTip(prompt.mid(newline + 1));
        action->setShortcuts(QKeySequence::listFromString(Text(command.shortcuts)));
        actions_[command.id] = action;
    }
    recentPlaceholder_ = Action(RecentFileFirst);
    recentPlaceholder_->setEnabled(false);

    const QString prompt = recentPlaceholder_->statusTip();
    for (int i = 0; i < RecentFileCount; ++i) {
        auto* action = new QAction(this);
        action->setData(RecentFileFirst + i);
        action->setStatusTip(prompt);
        connect(action, &QAction::triggered, this, [this, i] { OnRecentFile(i); });
        recentActions_.push_back(action);
    }
}

void CMainFrame::CreateBoardArea() {
    InstallBoardAccessibility();
    InstallNoteAccessibility();
    InstallCalendarAccessibility();
    auto* area = new QScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(view_);
    notes_ = new NoteBar;
    middle_ = new QStackedWidget(this);
    auto* board = new QWidget(middle_);
    board_ = board;
    middle_->addWidget(board);
    auto* column = new QVBoxLayout(board);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(notes_);
    column->addWidget(area, 1);
    setCentralWidget(middle_);
    connect(view_, &CGlossatilesView::NoteRequested, notes_,
            [this](NoteTopic topic, const QString& text) {
                // A stuck board's way out is a deal that can be cleared.
                notes_->Show(topic, text,
                             topic == NoteTopic::NoFreePair ? Action(NewGame3) : nullptr);
            });
    connect(view_, &CGlossatilesView::NoteWithdrawn, notes_, &NoteBar::Withdraw);
    // A notification in the status bar is spoken without its role's name.
    InstallAnnouncer(*statusBar());
    auto* announcer = new PlayAnnouncer(*game_);
    connect(view_, &CGlossatilesView::StatusNote, announcer, &PlayAnnouncer::OnStatusNote);
    connect(notes_, &NoteBar::NoteShown, this, [](const QString& text) { Announce(text); });
    keyboard_ = new KeyboardPlay(*view_, *game_);
    zoom_ = new BoardZoom(*area, *view_);
    AnnounceBoardChanges(*view_, *game_);
    connect(keyboard_, &KeyboardPlay::CursorChanged, view_,
            [this](std::optional<BoardPosition> stack) { AnnounceKeyboardCursor(*view_, stack); });
    // A zoomed board scrolls to keep the keyboard cursor in sight.
    connect(keyboard_, &KeyboardPlay::CursorChanged, area,
            [this, area](std::optional<BoardPosition> stack) {
                if (stack) {
                    const QRect tile = view_->ToWidget(
                        TileRect(view_->State().BoardTop, stack->column, stack->row));
                    area->ensureVisible(tile.center().x(), tile.center().y(), tile.width() / 2,
                                        tile.height() / 2);
                }
            });
}

void CMainFrame::CreateMenus() {
    for (const MenuLayout& layout : MenuBarLayout()) {
        QMenu* menu = menuBar()->addMenu(Translated("Menu", layout.title));
        for (const int id : layout.items) {
            if (id == Separator) {
                menu->addSeparator();
            } else if (id == RecentFileFirst) {
                menu->addAction(recentPlaceholder_);
                for (QAction* action : recentActions_) {
                    menu->addAction(action);
                }
            } else {
                menu->addAction(Action(id));
            }
        }
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(tr("Standard"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    for (const int id : ToolbarLayout()) {
        if (id == Separator) {
            toolBar_->addSeparator();
        } else {
            QAction* action = Action(id);
            toolBar_->addAction(action);
            // Screen readers say the command's name, without its mnemonic and keys.
            toolBar_->widgetForAction(action)->setAccessibleName(
                action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);

    QAction* toggle = Action(ViewToolbar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::triggered, toolBar_, &QToolBar::setVisible);
    // The user may also close a floating toolbar.
    connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    const QString ready = tr("Ready");
    idleMessage_ = ready;
    // Prompts come and go as the mouse passes over menus and buttons; in between, the game's
    // last note, or "Ready".
    connect(bar, &QStatusBar::messageChanged, this, [this, bar](const QString& message) {
        if (message.isEmpty()) {
            bar->showMessage(idleMessage_);
        }
    });
    connect(view_, &CGlossatilesView::StatusNote, this, [this, bar, ready](const QString& note) {
        idleMessage_ = note.isEmpty() ? ready : note;
        bar->showMessage(idleMessage_);
    });
    bar->showMessage(ready);
    auto* levelPane = new LevelPane(view_->State(), bar);
    connect(view_, &CGlossatilesView::RepaintRequested, levelPane, &LevelPane::Refresh);
    indicators_ = new KeyLockIndicators(bar);

    QAction* toggle = Action(ViewStatusBar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::triggered, bar, &QStatusBar::setVisible);
}

void CMainFrame::RouteCommands() {
    Route(*this, game_, GameRoutes);
    Route(*this, printing_, PrintRoutes);
    Route(*this, view_, ViewRoutes);
    connect(Action(AppExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(AppAbout), &QAction::triggered, this, &CMainFrame::OnAppAbout);
    connect(Action(Progress), &QAction::triggered, learning_, &GameLearning::OnProgress);
    connect(Action(CommandId::ClassResults), &QAction::triggered, learning_,
            &GameLearning::OnClassResults);
    QAction* exportResults = Action(ExportMyResults);
    connect(exportResults, &QAction::triggered, learning_, &GameLearning::OnExportResults);
    // Results are written for the list in play only.
    const auto offerExport = [this, exportResults] {
        exportResults->setEnabled(!game_->State().WordList.empty());
    };
    connect(game_, &GameInPlay::PlayEventOccurred, exportResults, offerExport);
    offerExport();
    connect(Action(HelpKeys), &QAction::triggered, this, &CMainFrame::OnHelpKeys);
    connect(Action(HelpHowToPlay), &QAction::triggered, this, [this] {
        CHowToPlayDlg dialog(this);
        dialog.exec();
    });
    connect(Action(ZoomIn), &QAction::triggered, zoom_, &BoardZoom::ZoomIn);
    connect(Action(ZoomOut), &QAction::triggered, zoom_, &BoardZoom::ZoomOut);
    connect(Action(ZoomToFit), &QAction::triggered, zoom_, &BoardZoom::FitToWindow);
    // Commands nobody handles are shown disabled.
    for (const int id : {EditCut, EditCopy, EditPaste}) {
        Action(id)->setEnabled(false);
    }
    new UndoActions(*Action(EditUndo), *Action(EditRedo), *game_, this);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The editors close with the main window, never after it: the program must not run on
    // without it, and a Cancel at any question keeps every window.
    event->setAccepted(game_->MayDiscardGame() && teacher_->CloseEditors());
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    bool opened = false;
    game_->Replace([&](GameDealer& dealer) { opened = dealer.OpenPath(path); });
    return opened;
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnHelpKeys() {
    CKeysDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnRecentFile(int index) {
    const QString path = recentFiles_.Files().value(index);
    game_->Replace([&](GameDealer& dealer) {
        // An entry that no longer opens is dropped, so it is not offered again.
        if (!path.isEmpty() && !dealer.OpenPath(path)) {
            recentFiles_.Remove(path);
        }
    });
}

void CMainFrame::ShowRecentFiles() {
    const QStringList files = recentFiles_.Files();
    recentPlaceholder_->setVisible(files.isEmpty());
    for (int i = 0; i < RecentFileCount; ++i) {
        QAction* action = recentActions_[static_cast<std::size_t>(i)];
        action->setVisible(i < files.size());
        if (i < files.size()) {
            action->setText(RecentFileText(i, files[i]));
        }
    }
}
