#include "app/shell/glossatiles_app.h"
#include "frame_fixture.h"
#include "modal_answer.h"

#include <QFile>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>

namespace {

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

} // namespace
