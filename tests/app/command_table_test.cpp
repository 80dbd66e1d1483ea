#include "app/command_ids.h"
#include "app/key_lock_indicators.h"
#include "frame_fixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

struct Item {
    const char* text; // nullptr for a separator
    int id;
};

struct Menu {
    const char* title;
    std::vector<Item> items;
};

const Item Sep{nullptr, 0};

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

TEST_F(CommandTableTest, MenuBarHoldsEveryItemWithItsIdAndText) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(ExpectedMenus.size()));
    for (std::size_t m = 0; m < ExpectedMenus.size(); ++m) {
        const Menu& expected = ExpectedMenus[m];
        QMenu* menu = menus[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(expected.title));

        std::vector<QAction*> shown;
        for (QAction* action : menu->actions()) {
            if (action->isVisible()) {
                shown.push_back(action);
            }
        }
        ASSERT_EQ(shown.size(), expected.items.size()) << expected.title;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const Item& item = expected.items[i];
            SCOPED_TRACE(std::string(expected.title) + " item " + std::to_string(i));
            if (item.text == nullptr) {
                EXPECT_TRUE(shown[i]->isSeparator());
                continue;
            }
            EXPECT_EQ(shown[i]->text(), QString::fromUtf8(item.text));
            EXPECT_EQ(shown[i]->data().toInt(), item.id);
        }
    }
}

TEST_F(CommandTableTest, ItemsWithoutHandlerAreDisabled) {
    for (const int id : {57643, 57635, 57634, 57637, 57616}) {
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
    }
    for (const int id :
         {57600, 57601, 57603, 57604, 57607, 57609, 57606, 57665, 32779, 59392, 59393, 32773,
          32778, 32771, 32772, 32774, 57664, 32777, 32776, 32780, 32781, 32784, 32785}) {
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
    }
}

TEST_F(CommandTableTest, AcceleratorsReachTheirCommands) {
    const std::vector<std::pair<const char*, int>> accelerators{
        {"Ctrl+N", 57600},        {"Ctrl+O", 57601},    {"Ctrl+S", 57603},   {"Ctrl+P", 57607},
        {"Ctrl+Z", 57643},        {"Ctrl+X", 57635},    {"Ctrl+C", 57634},   {"Ctrl+V", 57637},
        {"Alt+Backspace", 57643}, {"Shift+Del", 57635}, {"Ctrl+Ins", 57634}, {"Shift+Ins", 57637},
    };
    for (const auto& [keys, id] : accelerators) {
        EXPECT_TRUE(frame->Action(id)->shortcuts().contains(QKeySequence(QString(keys)))) << keys;
    }
}

TEST_F(CommandTableTest, ToolbarHasEighteenEntriesInOrder) {
    const std::vector<int> expected{57600, 57601, 57603, 0,     57635, 57634, 57637, 0,     57607,
                                    0,     57664, 0,     32777, 32776, 32780, 32781, 32784, 32785};
    const QList<QAction*> entries = frame->ToolBar()->actions();
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAction* entry = entries[static_cast<qsizetype>(i)];
        if (expected[i] == 0) {
            EXPECT_TRUE(entry->isSeparator()) << i;
        } else {
            EXPECT_EQ(entry->data().toInt(), expected[i]) << i;
            EXPECT_FALSE(entry->icon().isNull()) << expected[i];
        }
    }
}

TEST_F(CommandTableTest, StatusPromptsAndToolTips) {
    const std::vector<std::pair<int, const char*>> prompts{
        {32771, "Displays the currently loaded word list "},
        {32772, "Random number test"},
        {32773, "Starts a new game using the current word list. Tiles may be blocked."},
        {32774, "Display all or one level of tiles."},
        {32776, "Displays the next level of tiles up."},
        {32777, "Displays the next level of tiles down."},
        {32778, "Arranges tiles checking that they are not blocked above. "},
        {32779, "Loads an in progress game ."},
        {32780, "Show all tile levels."},
        {32781, "Hint - highlights a matching pair of tiles."},
        {32784, "Auto removes a pair of tiles."},
        {32785, "Fast auto finishes the game. Good for testing that no tiles are blocked (save "
                "game first)."},
        {57600, "Create a new document"},
        {57601, "Open an existing document"},
    };
    for (const auto& [id, prompt] : prompts) {
        EXPECT_EQ(frame->Action(id)->statusTip(), QString::fromUtf8(prompt)) << id;
    }
    EXPECT_EQ(frame->Action(57600)->toolTip(), "New");
    EXPECT_EQ(frame->Action(57607)->toolTip(), "Print");
    EXPECT_EQ(frame->Action(32781)->toolTip(), "Hint - highlights a matching pair of tiles.");
}

TEST_F(CommandTableTest, MouseRightMenuIsBuiltWithItsOneItem) {
    EXPECT_EQ(View().MouseRightMenuCreated, 1);
    EXPECT_EQ(View().MouseRightMenuText, "Test1");
    const QList<QAction*> items = View().MouseRightMenu.actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), "Test1");
    EXPECT_EQ(items[0]->data().toInt(), 57654);
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_EQ(items[0]->statusTip(), "ID for the first mouse right click menu");
    EXPECT_FALSE(View().MouseRightMenu.isVisible());
}

TEST_F(CommandTableTest, StatusBarSaysReadyAndShowsLockKeyPanes) {
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    frame->statusBar()->showMessage("Open an existing document");
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");

    const auto& panes = frame->Indicators().Panes();
    EXPECT_EQ(panes[0]->text(), "CAP");
    EXPECT_EQ(panes[1]->text(), "NUM");
    EXPECT_EQ(panes[2]->text(), "SCRL");
}

TEST_F(CommandTableTest, FirstPlacementAndTitle) {
    frame->show();
    EXPECT_EQ(frame->pos(), QPoint(10, 10));
    EXPECT_EQ(frame->size(), QSize(930, 690));
    EXPECT_EQ(frame->windowTitle(), "Glossatiles");
}

TEST_F(CommandTableTest, ViewMenuShowsAndHidesTheBars) {
    frame->show();
    frame->Action(CommandId::ViewToolbar)->trigger();
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    EXPECT_FALSE(frame->Action(CommandId::ViewToolbar)->isChecked());
    frame->Action(CommandId::ViewToolbar)->trigger();
    EXPECT_TRUE(frame->ToolBar()->isVisible());

    frame->Action(CommandId::ViewStatusBar)->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    frame->Action(CommandId::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame->statusBar()->isVisible());
}

} // namespace
