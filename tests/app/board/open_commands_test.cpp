#include "app/board/game_files.h"
#include "app/lists/teacher_commands.h"
#include "app/lists/word_list_editor.h"
#include "app/shell/glossatiles_app.h"
#include "files/open_file.h"
#include "frame_fixture.h"
#include "modal_answer.h"
#include "support/recording_host.h"

#include <QFile>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <ctime>

namespace {

using namespace CommandId;
using OpenCommandsTest = FrameTest;

TEST_F(OpenCommandsTest, CtrlOReachesTheViewsOpenCommand) {
    prompter->filesToOpen.push_back(WordList("verbs.txt", 12));
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);

    EXPECT_EQ(prompter->asked, QStringList{"open"});
    EXPECT_EQ(State().WordsCount, 12);
    EXPECT_EQ(TilesOnBoard(), 24);
}

// Through either command the saved game is loaded and remembered by its own path, not by the
// word list it was started from.
TEST_F(OpenCommandsTest, SavedGameIsLoadedThroughEitherCommand) {
    const QString path = QString::fromStdString(
        files.Write("game.txt", LaidOutGame({1, 2, 3}, "/words/animals.txt")));
    for (const int command : {CommandId::FileOpen, CommandId::LoadSavedGame}) {
        prompter->filesToOpen.push_back(path);
        prompter->messages.clear();
        Trigger(command);
        EXPECT_EQ(State().CorrectCount, 1);
        EXPECT_EQ(State().WrongCount, 2);
        EXPECT_EQ(State().HintCount, 3);
        EXPECT_EQ(TilesOnBoard(), 6);
        EXPECT_EQ(State().BrowseFileName, "/words/animals.txt");
        EXPECT_EQ(frame->RecentFiles().Files(), QStringList{path});
        ASSERT_EQ(prompter->messages.size(), 1);
        EXPECT_TRUE(prompter->messages[0].startsWith("Loaded file OK"));
    }
}

// Without a list the command only says so; with one it writes the chosen file, and a cancelled
// chooser writes nothing.
TEST_F(OpenCommandsTest, ExportWordListWritesTheChosenFile) {
    Trigger(CommandId::ExportWordList);
    EXPECT_EQ(prompter->asked, QStringList{"message"});
    EXPECT_EQ(prompter->messages,
              QStringList{"There is no word list loaded\nUse File > Open to open a list"});
    OpenList(2);
    const std::string out = (files.path() / "out.csv").string();
    prompter->filesToExport = {QString::fromStdString(out), QString()};
    Trigger(CommandId::ExportWordList);
    EXPECT_EQ(ReadBytes(out), "word0,mot0\r\nword1,mot1\r\n");
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "Word list exported to " + QString::fromStdString(out));
    std::filesystem::remove(out);
    Trigger(CommandId::ExportWordList);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(prompter->messages.size(), 1);
}

// Opened files go first in the list, once each, eight at most; a cancelled or failed open adds
// nothing. Paths that are not ASCII pass to the file system and back unchanged.
TEST_F(OpenCommandsTest, RecentListGetsEveryOpenedFileNewestFirst) {
    QStringList opened;
    for (int i = 0; i < 10; ++i) {
        opened.prepend(WordList("caf\xc3\xa9" + std::to_string(i) + ".txt", 1));
        Open(opened.front());
    }
    Open(opened[3]);
    Open(QString());
    Open(opened.front() + ".missing");
    opened.move(3, 0);
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(frame->RecentFiles().Files(), opened.mid(0, 8));

    const std::vector<QAction*> entries = frame->RecentFileActions();
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(entries[0]->text(), "&1 " + opened[0]);
    EXPECT_EQ(entries[0]->data().toInt(), CommandId::RecentFileFirst);
    EXPECT_EQ(entries[7]->data().toInt(), CommandId::RecentFileFirst + 7);
    EXPECT_FALSE(frame->Action(CommandId::RecentFileFirst)->isVisible());
    // Remembered across runs.
    EXPECT_EQ(RecentFileList(RecentFileCount).Files(), opened.mid(0, 8));

    // An entry opens its file again; one whose file is gone is dropped.
    entries[1]->trigger();
    opened.move(1, 0);
    EXPECT_EQ(frame->RecentFiles().Files(), opened.mid(0, 8));
    QFile::remove(opened[1]);
    entries[1]->trigger();
    opened.removeAt(1);
    EXPECT_EQ(frame->RecentFiles().Files(), opened.mid(0, 7));
    EXPECT_EQ(prompter->messages.size(), 2);
}

// A slow open shows its progress over the window; Cancel stops the reading and the game in play
// stays, as it was, with nothing added to the recent files.
TEST_F(OpenCommandsTest, CancelOnASlowOpensProgressKeepsTheGameInPlay) {
    OpenList(3);
    const QStringList recent = frame->RecentFiles().Files();
    dynamic_cast<GameFiles&>(frame->Game()).SetSlowOpenDelay(std::chrono::milliseconds(0));
    std::string text = "Big list\n";
    for (int i = 0; i < 2'000'000; ++i) {
        text += "word" + std::to_string(i) + "\nmot" + std::to_string(i) + "\n";
    }
    prompter->filesToOpen.push_back(QString::fromStdString(files.Write("big.txt", text)));
    QString shown;
    AnswerWhenShown<QProgressDialog>([&shown](QProgressDialog& progress) {
        shown = progress.labelText();
        progress.findChild<QPushButton*>()->click();
    });
    Trigger(CommandId::FileOpen);
    EXPECT_EQ(shown, "Opening big.txt…");
    EXPECT_EQ(State().WordsCount, 3);
    EXPECT_EQ(TilesOnBoard(), 6);
    EXPECT_EQ(frame->RecentFiles().Files(), recent);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

// Whatever hears that a game started finds the new game in place; a failed open starts none.
TEST_F(OpenCommandsTest, GameStartedIsHeardWithTheNewGameInPlace) {
    std::vector<int> pairsAtStart;
    QObject::connect(&View(), &CGlossatilesView::PlayEventOccurred, [&](const PlayEvent& event) {
        if (event.kind == PlayEventKind::GameStarted) {
            pairsAtStart.push_back(State().WordsCount);
        }
    });
    Open(WordList("five.txt", 5));
    Open(QString::fromStdString(files.Write("game.txt", LaidOutGame())));
    Open(QString::fromStdString((files.path() / "missing.txt").string()));
    EXPECT_EQ(pairsAtStart, (std::vector<int>{5, 3}));
}

// Exit asks only about a game with changes not saved; Save runs Save, and a save that fails or
// is cancelled keeps the window open.
TEST_F(OpenCommandsTest, ExitAsksToSaveAGameThatChanged) {
    const struct {
        const char* name;
        bool changed;
        std::optional<SaveChoice> answer; // nullopt: not asked
        bool fileChosen;                  // for Save, which asks like Save As the first time
        bool closes;
    } cases[] = {
        {"unchanged", false, std::nullopt, false, true},
        {"discarded", true, SaveChoice::Discard, false, true},
        {"cancelled", true, SaveChoice::Cancel, false, false},
        {"save cancelled", true, SaveChoice::Save, false, false},
        {"saved", true, SaveChoice::Save, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        frame->show();
        OpenList(3);
        if (c.changed) {
            Trigger(CommandId::Hint);
        }
        prompter->asked.clear();
        if (c.answer) {
            prompter->saveChoices.push_back(*c.answer);
        }
        const QString saveTo = QString::fromStdString((files.path() / "saved.txt").string());
        prompter->filesToSave.push_back(c.fileChosen ? saveTo : QString());
        Trigger(CommandId::AppExit);
        EXPECT_EQ(frame->isVisible(), !c.closes);
        EXPECT_EQ(prompter->asked.contains("save game?"), c.answer.has_value());
        EXPECT_EQ(QFile::exists(saveTo), c.fileChosen);
        prompter->filesToSave.clear();
    }
    // A game just saved has nothing to lose.
    prompter->asked.clear();
    frame->show();
    Trigger(CommandId::Hint);
    Trigger(CommandId::FileSave);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "Game saved to " + QString::fromStdString((files.path() / "saved.txt").string()));
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(prompter->asked.contains("save game?"));
}

// Each command that puts another game in place of one with changes not saved asks first;
// Cancel keeps the game as it was, Discard goes on.
TEST_F(OpenCommandsTest, CommandsThatReplaceAChangedGameAskFirst) {
    const QString list = WordList("list.txt", 3);
    const QString other = WordList("other.txt", 4);
    const QString game = QString::fromStdString(files.Write("game.txt", LaidOutGame()));
    const std::function<void()> commands[] = {
        [&] { Open(other); },
        [&] { Trigger(CommandId::NewGame); },
        [&] { Trigger(NewGame3); },
        [&] {
            prompter->filesToOpen.push_back(game);
            Trigger(LoadSavedGame);
        },
        [&] { frame->RecentFileActions().at(1)->trigger(); },
        // The editor saves the list in play where it came from, then deals it.
        [&] {
            Trigger(EditWordList);
            frame->Teacher().LastEditor()->ActionNamed("saveAndDeal")->trigger();
            frame->Teacher().LastEditor()->close();
        },
    };
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        SCOPED_TRACE(i);
        Open(other);
        Open(list);
        const std::vector<std::int32_t> cells = State().AssignmentArray;
        Trigger(Hint);
        for (const SaveChoice choice : {SaveChoice::Cancel, SaveChoice::Discard}) {
            prompter->asked.clear();
            prompter->filesToOpen.clear();
            prompter->saveChoices = {choice};
            commands[i]();
            EXPECT_EQ(prompter->asked.value(0), "save game?");
            EXPECT_EQ(State().AssignmentArray == cells && State().HintCount == 1,
                      choice == SaveChoice::Cancel);
        }
        prompter->asked.clear();
        commands[i]();
        EXPECT_FALSE(prompter->asked.contains("save game?")) << "a game without changes";
    }
}

// The board a list is dealt when opened, compared with what each deal makes of it from the
// clock's seed: taken again when the clock ticks over during the open.
class OpeningDealTest : public FrameTest {
protected:
    std::vector<std::int32_t> Dealt(const QString& path, DealKind kind, std::uint32_t seed) {
        GameState state;
        RecordingHost host;
        host.seed = seed;
        OpenFileAtPath(state, host, path.toStdString(), kind);
        return state.AssignmentArray;
    }
    void ExpectDeal(const std::function<void()>& open, const QString& path, DealKind kind) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
            open();
            if (seed == static_cast<std::uint32_t>(std::time(nullptr))) {
                const DealKind other =
                    kind == DealKind::Plain ? DealKind::Unblocked : DealKind::Plain;
                EXPECT_EQ(State().AssignmentArray, Dealt(path, kind, seed));
                EXPECT_NE(State().AssignmentArray, Dealt(path, other, seed));
                return;
            }
        }
        ADD_FAILURE() << "the clock never held still";
    }
};

TEST_F(OpeningDealTest, ListsOpenedFromFilesAreDealtToBeClearedWhileTheSettingIsOn) {
    QAction* setting = frame->Action(DealClearableBoards);
    ASSERT_NE(setting, nullptr);
    EXPECT_TRUE(setting->isCheckable());
    EXPECT_TRUE(setting->isChecked()) << "on at first";
    const QString path = WordList("verbs.txt", 40);
    Open(path);
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        setting->setChecked(on);
        const DealKind kind = on ? DealKind::Unblocked : DealKind::Plain;
        ExpectDeal([&] { Open(path); }, path, kind);
        ExpectDeal([&] { frame->RecentFileActions().at(0)->trigger(); }, path, kind);
        ExpectDeal([&] { frame->OpenDocumentFile(path); }, path, kind);
        // New Game deals as it always has.
        ExpectDeal([&] { Trigger(CommandId::NewGame); }, path, DealKind::Plain);
        ExpectDeal([&] { Trigger(NewGame3); }, path, DealKind::Unblocked);
        EXPECT_EQ(CMainFrame().Action(DealClearableBoards)->isChecked(), on) << "kept";
    }
}

TEST(CommandLineTest, FileNamedOnTheCommandLineIsOpened) {
    QSettings().clear();
    const TempDir files;
    const std::string path = files.Write("verbs.txt", "Verbs\nmanger\nto eat\nboire\nto drink\n");
    CGlossatilesApp app;
    app.InitInstance(QString::fromStdString(path));
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->View().State().WordsCount == 2; }));
    EXPECT_EQ(frame->View().State().BrowseFileName, path);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{QString::fromStdString(path)});
}

// A message about the named file comes up over the main window, which is already shown.
TEST(CommandLineTest, MessagesAboutTheNamedFileAppearOverTheShownWindow) {
    QSettings().clear();
    const TempDir files;
    CGlossatilesApp app;
    bool windowShown = false;
    QString message;
    AnswerWhenShown<QMessageBox>([&](QMessageBox& box) {
        windowShown = box.parentWidget() && box.parentWidget()->window()->isVisible();
        message = box.text();
        box.accept();
    });
    app.InitInstance(QString::fromStdString((files.path() / "gone.txt").string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }));
    EXPECT_TRUE(windowShown);
    EXPECT_TRUE(message.contains("gone.txt")) << message.toStdString();
}

// As the reminder's action starts it: the window opens on Today's Review, here with nothing due.
TEST(CommandLineTest, ReviewOptionStartsOnTodaysReview) {
    QSettings().clear();
    const TempDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
    CGlossatilesApp app;
    QString message;
    AnswerWhenShown<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    app.InitInstance({}, true);
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }));
    EXPECT_TRUE(message.startsWith("No pairs are due for review.")) << message.toStdString();
}

} // namespace
