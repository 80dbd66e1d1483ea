#include "app/key_lock_indicators.h"
#include "frame_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <set>

namespace {

using namespace CommandId;

struct Menu {
    const char* title;
    std::vector<std::pair<const char*, int>> items; // a null text for a separator
};

const std::pair<const char*, int> Sep{nullptr, 0};

const std::vector<Menu> ExpectedMenus{
    {"&File",
     {{"&New\tCtrl+N", 57600},
      {"&Open...\tCtrl+O", 57601},
      {"&Save\tCtrl+S", 57603},
      {"Save &As...", 57604},
      Sep,
      {"&Print...\tCtrl+P", 57607},
      {"Print Pre&view", 57609},
      {"P&rint Setup...", 57606},
      Sep,
      {"Recent File", 57616},
      Sep,
      {"E&xit", 57665},
      {"Load Saved Game", 32779}}},
    {"&Edit",
     {{"&Undo\tCtrl+Z", 57643},
      Sep,
      {"Cu&t\tCtrl+X", 57635},
      {"&Copy\tCtrl+C", 57634},
      {"&Paste\tCtrl+V", 57637}}},
    {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
    {"Game", {{"New Game", 32773}, {"New Game3", 32778}}},
    {"Tools", {{"&Word List", 32771}, {"Random number test", 32772}, {"Draw Level", 32774}}},
    {"&Help", {{"&About Glossatiles...", 57664}}},
};

using CommandTableTest = FrameTest;

// Every item shows its text and carries its id, the accelerator after its tab reaches it, and
// only the items nobody handles (and the place of an empty recent-file list) are disabled.
TEST_F(CommandTableTest, MenuBarHoldsEveryItem) {
    const std::set<int> disabled{EditUndo, EditCut, EditCopy, EditPaste, RecentFileFirst};
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(ExpectedMenus.size()));
    for (std::size_t m = 0; m < ExpectedMenus.size(); ++m) {
        const Menu& expected = ExpectedMenus[m];
        QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(expected.title));
        QList<QAction*> shown = menu->actions();
        shown.removeIf([](QAction* action) { return !action->isVisible(); });
        ASSERT_EQ(shown.size(), static_cast<qsizetype>(expected.items.size())) << expected.title;
        for (std::size_t i = 0; i < expected.items.size(); ++i) {
            const auto& [text, id] = expected.items[i];
            QAction* action = shown[static_cast<qsizetype>(i)];
            SCOPED_TRACE(std::string(expected.title) + " item " + std::to_string(i));
            if (text == nullptr) {
                EXPECT_TRUE(action->isSeparator());
                continue;
            }
            EXPECT_EQ(action->text(), QString::fromUtf8(text));
            EXPECT_EQ(action->data().toInt(), id);
            EXPECT_EQ(action->isEnabled(), !disabled.contains(id));
            const QString keys = action->text().section('\t', 1);
            EXPECT_TRUE(keys.isEmpty() || action->shortcuts().contains(QKeySequence(keys)));
        }
    }
}

// Each command reaches its own handler, told apart by what it asks or changes.
TEST_F(CommandTableTest, CommandsReachTheirHandlers) {
    OpenList(3);
    const std::vector<std::pair<int, QString>> questions{
        {FileOpen, "open"},           {LoadSavedGame, "open"},        {FileSave, "save"},
        {FileSaveAs, "save"},         {FilePrint, "print"},           {FilePrintPreview, "preview"},
        {FilePrintSetup, "setup"},    {CommandId::WordList, "words"}, {DrawLevel, "level 0"},
        {RandomNumberTest, "message"}};
    for (const auto& [id, question] : questions) {
        prompter->asked.clear();
        Trigger(id);
        EXPECT_EQ(prompter->asked, QStringList{question}) << id;
    }

    const QString game = QString::fromStdString(files.Write("game.txt", LaidOutGame()));
    Open(game);
    prompter->levelTexts = {"2"};
    const std::pair<int, int> levels[] = {
        {DrawLevel, 2}, {LevelUp, 1}, {LevelDown, 2}, {ShowAllLevels, 0}};
    for (const auto& [id, level] : levels) {
        Trigger(id);
        EXPECT_EQ(State().DisplayedLevel, level) << id;
    }
    Trigger(Hint);
    EXPECT_EQ(State().HintCount, 1);
    const std::pair<int, int> autoPlay[] = {{AutoRemovePair, SlowAutoInterval},
                                            {FastAutoFinish, FastAutoInterval}};
    for (const auto& [id, interval] : autoPlay) {
        Trigger(id);
        EXPECT_TRUE(State().AutoRemovePending) << id;
        EXPECT_EQ(State().AutoInterval, interval) << id;
    }
    for (const int deal : {NewGame, NewGame3}) {
        Open(game);
        Trigger(AutoRemovePair);
        Trigger(deal);
        EXPECT_FALSE(State().AutoRemovePending) << deal;
        EXPECT_EQ(TilesOnBoard(), 6) << deal;
    }
}

TEST_F(CommandTableTest, WindowWithItsBars) {
    frame->show();
    std::vector<int> tools;
    for (const QAction* entry : frame->ToolBar()->actions()) {
        tools.push_back(entry->isSeparator() ? 0 : entry->data().toInt());
        EXPECT_TRUE(entry->isSeparator() || !entry->icon().isNull()) << tools.back();
    }
    EXPECT_EQ(tools, (std::vector<int>{FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste,
                                       0, FilePrint, 0, AppAbout, 0, LevelDown, LevelUp,
                                       ShowAllLevels, Hint, AutoRemovePair, FastAutoFinish}));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    frame->statusBar()->showMessage("Open an existing document");
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    const auto& panes = frame->Indicators().Panes();
    EXPECT_EQ(QStringList({panes[0]->text(), panes[1]->text(), panes[2]->text()}),
              QStringList({"CAP", "NUM", "SCRL"}));

    for (const auto& [id, bar] : std::initializer_list<std::pair<int, QWidget*>>{
             {ViewToolbar, frame->ToolBar()}, {ViewStatusBar, frame->statusBar()}}) {
        Trigger(id);
        EXPECT_FALSE(bar->isVisible());
        EXPECT_FALSE(frame->Action(id)->isChecked());
        Trigger(id);
        EXPECT_TRUE(bar->isVisible());
    }
    Trigger(AppExit);
    EXPECT_FALSE(frame->isVisible());
}

// A right click peeks; the right-click menu is built but never shown.
TEST_F(CommandTableTest, RightClickOpensNoMenu) {
    frame->show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200),
                            View().mapToGlobal(QPoint(200, 200)));
    QApplication::sendEvent(&View(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(View().MouseRightMenu.actions().size(), 1);
    EXPECT_EQ(View().MouseRightMenu.actions()[0]->data().toInt(), MouseRightMenuItem);
}

TEST_F(CommandTableTest, MessagesAndTitlesShowTheBytesDecoded) {
    View().ShowMessage("caf\xe9 \x93quoted\x94");
    View().SetTitle("Glossatiles - caf\xc3\xa9");
    EXPECT_EQ(prompter->messages, QStringList{"café “quoted”"});
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - café");
}

} // namespace
