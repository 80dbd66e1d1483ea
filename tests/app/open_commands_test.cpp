#include "app/command_ids.h"
#include "app/glossatiles_app.h"
#include "frame_fixture.h"

#include <QFile>
#include <QTest>

namespace {

// A saved game of two pairs on a five-cell board, one pair still on it.
constexpr const char* SavedGame = "Glossatiles saved game file: French animals\r\n"
                                  "Game source file\r\n"
                                  "/words/animals.txt\r\n"
                                  "Time 09:05 03-02-2008\r\n"
                                  "Correct:1\r\n"
                                  "Wrong:2\r\n"
                                  "Hints:3\r\n"
                                  "Start of ArrayTop section *************************\r\n"
                                  "Index:0:chat:cat\r\n"
                                  "Index:1:chien:dog\r\n"
                                  "End of ArrayTop section *************************\r\n"
                                  "Start of ArrayIndex section *************************\r\n"
                                  "CellCount 5\r\n"
                                  "Array:0:ArrayTop:-1:AB:-1\r\n"
                                  "Array:1:ArrayTop:1:AB:0\r\n"
                                  "Array:2:ArrayTop:-1:AB:-1\r\n"
                                  "Array:3:ArrayTop:1:AB:1\r\n"
                                  "Array:4:ArrayTop:-1:AB:-1\r\n"
                                  "End of ArrayIndex section *************************\r\n";

int TilesOnBoard(const GameState& state) {
    return static_cast<int>(std::count_if(state.AssignmentArray.begin(),
                                          state.AssignmentArray.end(),
                                          [](std::int32_t pair) { return pair != NoPair; }));
}

using OpenCommandsTest = FrameTest;

TEST_F(OpenCommandsTest, CtrlOReachesTheViewsOpenCommand) {
    const QString path = WordList("verbs.txt", 12);
    prompter->filesToOpen.push_back(path);
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);

    EXPECT_TRUE(prompter->filesToOpen.empty());
    EXPECT_EQ(State().WordsCount, 12);
    EXPECT_EQ(State().LevelCount, 3);
    EXPECT_EQ(TilesOnBoard(State()), 24);
    EXPECT_EQ(State().FileDescription, "Test list");
    EXPECT_EQ(State().BrowseFileName, path.toStdString());
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(OpenCommandsTest, TitleNamesTheOpenedFile) {
    const QString path = QString::fromStdString(files.Write(std::string(60, 'x'), "L\na\nb\n"));
    prompter->filesToOpen.push_back(path);
    frame->Action(CommandId::FileOpen)->trigger();
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - ..." + path.right(34));
}

TEST_F(OpenCommandsTest, CancelledOpenChangesNothing) {
    prompter->filesToOpen.push_back(WordList("list.txt", 3));
    frame->Action(CommandId::FileOpen)->trigger();
    const QString title = frame->windowTitle();

    frame->Action(CommandId::FileOpen)->trigger(); // the prompter answers "" now
    EXPECT_EQ(State().WordsCount, 3);
    EXPECT_TRUE(State().HasBoard());
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(OpenCommandsTest, FailedOpenShowsTheMessageAndLeavesNoBoard) {
    prompter->filesToOpen.push_back(WordList("list.txt", 3));
    frame->Action(CommandId::FileOpen)->trigger();
    const QString title = frame->windowTitle();

    const QString missing = QString::fromStdString((files.path() / "missing.txt").string());
    prompter->filesToOpen.push_back(missing);
    frame->Action(CommandId::FileOpen)->trigger();

    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(prompter->messages[0], "Error can't open the file\n" + missing);
    EXPECT_FALSE(State().HasBoard());
    EXPECT_EQ(State().WordsCount, 0);
    EXPECT_EQ(frame->windowTitle(), title);

    View().InvalidateAll();
    View().UpdateBackBuffer();
    EXPECT_FALSE(View().BackBuffer().isNull());
}

TEST_F(OpenCommandsTest, NewGameCommandsDealTheListAgain) {
    prompter->filesToOpen.push_back(WordList("list.txt", 20));
    frame->Action(CommandId::FileOpen)->trigger();

    for (const int command : {CommandId::NewGame, CommandId::NewGame3}) {
        frame->Action(command)->trigger();
        EXPECT_EQ(State().WordsCount, 20) << command;
        EXPECT_EQ(TilesOnBoard(State()), 40) << command;
        EXPECT_EQ(State().CorrectCount, 0) << command;
    }
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(OpenCommandsTest, NewDocumentKeepsTheGame) {
    prompter->filesToOpen.push_back(WordList("list.txt", 4));
    frame->Action(CommandId::FileOpen)->trigger();
    const std::vector<std::int32_t> board = State().AssignmentArray;

    frame->Action(CommandId::FileNew)->trigger();
    EXPECT_EQ(State().AssignmentArray, board);
    EXPECT_EQ(State().WordsCount, 4);
}

TEST_F(OpenCommandsTest, SavedGameOpenedThroughFileOpenIsLoaded) {
    const QString path = QString::fromStdString(files.Write("game.txt", SavedGame));
    prompter->filesToOpen.push_back(path);
    frame->Action(CommandId::FileOpen)->trigger();

    EXPECT_EQ(State().WordsCount, 2);
    EXPECT_EQ(State().CorrectCount, 1);
    EXPECT_EQ(State().HintCount, 3);
    EXPECT_EQ(TilesOnBoard(State()), 2);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{path});
}

TEST_F(OpenCommandsTest, LoadSavedGameRemembersTheSavedGameNotItsSource) {
    const QString path = QString::fromStdString(files.Write("game.txt", SavedGame));
    prompter->filesToOpen.push_back(path);
    frame->Action(CommandId::LoadSavedGame)->trigger();

    EXPECT_EQ(State().BrowseFileName, "/words/animals.txt");
    EXPECT_EQ(State().WrongCount, 2);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{path});
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith("Loaded file OK"));
}

TEST_F(OpenCommandsTest, RecentListGetsEveryOpenedFileNewestFirst) {
    const QString first = WordList("first.txt", 2);
    const QString second = WordList("second.txt", 2);
    for (const QString& path : {first, second, first}) {
        prompter->filesToOpen.push_back(path);
        frame->Action(CommandId::FileOpen)->trigger();
    }
    EXPECT_EQ(frame->RecentFiles().Files(), (QStringList{first, second}));

    const std::vector<QAction*> entries = frame->RecentFileActions();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->text(), "&1 " + first);
    EXPECT_EQ(entries[0]->data().toInt(), CommandId::RecentFileFirst);
    EXPECT_EQ(entries[1]->data().toInt(), CommandId::RecentFileFirst + 1);
    EXPECT_FALSE(frame->Action(CommandId::RecentFileFirst)->isVisible());

    // Remembered across runs.
    EXPECT_EQ(RecentFileList(RecentFileCount).Files(), (QStringList{first, second}));
}

TEST_F(OpenCommandsTest, RecentListKeepsEightFiles) {
    QStringList opened;
    for (int i = 0; i < 10; ++i) {
        const QString path = WordList(("list" + std::to_string(i) + ".txt").c_str(), 1);
        EXPECT_TRUE(frame->OpenDocumentFile(path));
        opened.prepend(path);
    }
    EXPECT_EQ(frame->RecentFiles().Files(), opened.mid(0, 8));
    EXPECT_EQ(frame->RecentFileActions().size(), 8u);
}

TEST_F(OpenCommandsTest, RecentEntryOpensItsFileAndAMissingOneIsDropped) {
    const QString kept = WordList("kept.txt", 5);
    const QString gone = WordList("gone.txt", 2);
    frame->OpenDocumentFile(kept);
    frame->OpenDocumentFile(gone);
    QFile::remove(gone);

    frame->RecentFileActions()[1]->trigger(); // kept.txt
    EXPECT_EQ(State().WordsCount, 5);
    EXPECT_EQ(frame->RecentFiles().Files(), (QStringList{kept, gone}));

    frame->RecentFileActions()[1]->trigger(); // gone.txt
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{kept});
}

TEST(CommandLineTest, FileNamedOnTheCommandLineIsOpened) {
    QSettings().clear();
    const TempDir files;
    const std::string path = files.Write("verbs.txt", "Verbs\nmanger\nto eat\nboire\nto drink\n");

    CGlossatilesApp app;
    app.InitInstance({"glossatiles", QString::fromStdString(path)});

    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->View().State().WordsCount, 2);
    EXPECT_EQ(frame->View().State().BrowseFileName, path);
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{QString::fromStdString(path)});
}

TEST(CommandLineTest, WithoutAFileTheWindowStartsEmpty) {
    CGlossatilesApp app;
    app.InitInstance({"glossatiles"});
    EXPECT_EQ(app.MainFrame()->windowTitle(), "Glossatiles");
    EXPECT_FALSE(app.MainFrame()->View().State().HasBoard());
    EXPECT_EQ(QCoreApplication::organizationName(), "Local AppWizard-Generated Applications");
    EXPECT_EQ(QCoreApplication::applicationName(), "Glossatiles");
}

} // namespace
