#include "app/shell/key_lock_indicators.h"
#include "frame_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <set>
#include <tuple>

namespace {

using namespace CommandId;

// Menu title, item text ("" for a separator) and id, in menu order.
const std::vector<std::tuple<QString, QString, int>> ExpectedItems{
    {"&File", "&New\tCtrl+N", 57600},
    {"&File", "&Open...\tCtrl+O", 57601},
    {"&File", "&Import...", 32830},
    {"&File", "&Save\tCtrl+S", 57603},
    {"&File", "Save &As...", 57604},
    {"&File", "&Export Word List...", 32786},
    {"&File", "Export &My Results...", 32862},
    {"&File", "", 0},
    {"&File", "New &Word List\tCtrl+Shift+N", 32820},
    {"&File", "E&dit Word List", 32821},
    {"&File", "", 0},
    {"&File", "&Print...\tCtrl+P", 57607},
    {"&File", "Print Pre&view", 57609},
    {"&File", "P&rint Setup...", 57606},
    {"&File", "Print Wor&ksheet...", 32822},
    {"&File", "", 0},
    {"&File", "Recent File", 57616},
    {"&File", "", 0},
    {"&File", "E&xit", 57665},
    {"&File", "Load Saved Game", 32779},
    {"&Edit", "&Undo\tCtrl+Z", 57643},
    {"&Edit", "&Redo\tCtrl+Y", 57644},
    {"&Edit", "", 0},
    {"&Edit", "Cu&t\tCtrl+X", 57635},
    {"&Edit", "&Copy\tCtrl+C", 57634},
    {"&Edit", "&Paste\tCtrl+V", 57637},
    {"&View", "&Home\tAlt+Home", 32870},
    {"&View", "", 0},
    {"&View", "&Toolbar", 59392},
    {"&View", "&Status Bar", 59393},
    {"&View", "", 0},
    {"&View", "Level &Down\tPage Down", 32777},
    {"&View", "Level &Up\tPage Up", 32776},
    {"&View", "&All Levels\tCtrl+L", 32780},
    {"&View", "", 0},
    {"&View", "Zoom &In\tCtrl++", 32801},
    {"&View", "Zoom &Out\tCtrl+-", 32802},
    {"&View", "&Fit to Window\tCtrl+0", 32803},
    {"&View", "", 0},
    {"&View", "Speak &Words", 32790},
    {"&View", "&Play Sounds", 32880},
    {"&Game", "New Game", 32773},
    {"&Game", "New Game3", 32778},
    {"&Game", "Deal Boards That Can Be Cleared", 32840},
    {"&Game", "Today's &Review\tCtrl+D", 32805},
    {"&Game", "", 0},
    {"&Game", "&Hint\tCtrl+H", 32781},
    {"&Game", "&Auto Remove Pair\tCtrl+R", 32784},
    {"&Game", "&Fast Auto Finish\tCtrl+F", 32785},
    {"&Game", "", 0},
    {"&Game", "&Type the Words\tCtrl+T", 32850},
    {"&Game", "Flash&cards\tCtrl+K", 32851},
    {"&Game", "Choose the &Word\tCtrl+M", 32852},
    {"&Tools", "&Word List", 32771},
    {"&Tools", "Random number test", 32772},
    {"&Tools", "Draw Level", 32774},
    {"&Tools", "&Progress...", 32800},
    {"&Tools", "Review &Settings...", 32860},
    {"&Tools", "&Class Results...", 32861},
    {"&Tools", "&Languages...", 32791},
    {"&Help", "How to &Play", 32806},
    {"&Help", "&Keys", 32804},
    {"&Help", "&About Glossatiles...", 57664}};

using CommandTableTest = FrameTest;

// Every item shows its text and carries its id, the accelerator after its tab reaches it, and
// only the items nobody handles (and the place of an empty recent-file list) are disabled.
TEST_F(CommandTableTest, MenuBarHoldsEveryItem) {
    // Export My Results too: no list is in play yet.
    const std::set<int> disabled{EditUndo,  EditRedo,        EditCut,        EditCopy,
                                 EditPaste, RecentFileFirst, ExportMyResults};
    std::vector<std::tuple<QString, QString, int>> shown;
    for (const QAction* menu : frame->menuBar()->actions()) {
        for (const QAction* item : menu->menu()->actions()) {
            const int id = item->isSeparator() ? 0 : item->data().toInt();
            if (!item->isVisible()) {
                continue;
            }
            shown.emplace_back(menu->text(), id ? item->text() : "", id);
            const QString keys = item->text().section('\t', 1);
            EXPECT_TRUE(keys.isEmpty() || item->shortcuts().contains(QKeySequence(keys))) << id;
            EXPECT_EQ(item->isEnabled(), id == 0 || !disabled.contains(id)) << id;
        }
    }
    EXPECT_EQ(shown, ExpectedItems);
}

// Each command reaches its own handler, told apart by what it asks or changes.
TEST_F(CommandTableTest, CommandsReachTheirHandlers) {
    OpenList(3);
    const int exportList = CommandId::ExportWordList;
    const std::vector<std::pair<int, QString>> questions{{FileOpen, "open"},
                                                         {LoadSavedGame, "open"},
                                                         {FileImport, "open"},
                                                         {FileSave, "save"},
                                                         {FileSaveAs, "save"},
                                                         {FilePrint, "print"},
                                                         {FilePrintPreview, "preview"},
                                                         {FilePrintSetup, "setup"},
                                                         {CommandId::WordList, "words"},
                                                         {DrawLevel, "level 0"},
                                                         {RandomNumberTest, "message"},
                                                         {exportList, "export"}};
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
        // The game in play has changed: it is given up each time.
        prompter->saveChoices = {SaveChoice::Discard, SaveChoice::Discard};
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

// The drawings without a frame of their own take the toolbar's colours: on a dark palette the
// level and auto-play icons are light, not black or deep blue.
TEST_F(CommandTableTest, ToolbarIconsShowOnADarkPalette) {
    const auto inkLightness = [this](int command) {
        const QImage image = frame->Action(command)->icon().pixmap(32).toImage();
        int lightest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > 200) {
                    lightest = std::max(lightest, pixel.lightness());
                }
            }
        }
        return lightest;
    };
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    frame->setPalette(dark);
    for (const int command : {LevelDown, ShowAllLevels, FastAutoFinish}) {
        SCOPED_TRACE(command);
        EXPECT_GT(inkLightness(command), 150);
    }
    frame->setPalette(QPalette(Qt::white));
    EXPECT_LT(inkLightness(LevelDown), 60);
}

// A right click peeks; it never opens a menu.
TEST_F(CommandTableTest, RightClickOpensNoMenu) {
    frame->show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200),
                            View().mapToGlobal(QPoint(200, 200)));
    QApplication::sendEvent(&View(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(CommandTableTest, MessagesAndTitlesShowTheBytesDecoded) {
    View().ShowMessage("caf\xe9 \x93quoted\x94");
    View().SetTitle("Glossatiles - caf\xc3\xa9");
    EXPECT_EQ(prompter->messages, QStringList{"café “quoted”"});
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - café");
}

} // namespace
