#include "app/shell/key_lock_indicators.h"
#include "frame_fixture.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

class PlayViewTest : public LaidOutGameTest {
protected:
    void SetUp() override {
        LaidOutGameTest::SetUp();
        prompter->messages.clear();
        Picture(); // the repaint after opening, as the window would have shown it by now
    }

    void Press(Qt::MouseButton button, int column, int row) {
        QTest::mousePress(&View(), button, Qt::NoModifier, TileCentre(column, row));
    }
    void Release(Qt::MouseButton button, int column, int row) {
        QTest::mouseRelease(&View(), button, Qt::NoModifier, TileCentre(column, row));
    }
    int Count(const QRect& area, QRgb colour) { return CountColour(Picture(), area, colour); }
};

TEST_F(PlayViewTest, AWrongPickShowsTheRedMarkWhileTheButtonIsHeld) {
    Click(1, 4);
    Press(Qt::LeftButton, 2, 4);
    // " X " at height 60, its box's corner at (180 * column - 117, 100 + 67 * row - 65).
    const QRect mark(180 * 2 - 117, 100 + 67 * 4 - 65, 60, 60);
    EXPECT_GT(Count(mark, Red), 50);
    EXPECT_GT(Count(mark, WordBox), 50);
    EXPECT_EQ(State().WrongCount, 1);
    Release(Qt::LeftButton, 2, 4);
    EXPECT_EQ(Count(mark, Red), 0);
    EXPECT_EQ(State().SelectedCol, 1);
}

TEST_F(PlayViewTest, AMatchRemovesBothTilesAndShowsWhatLayBelow) {
    Click(1, 4);
    Click(3, 4);
    EXPECT_EQ(State().CorrectCount, 1);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(2));
    EXPECT_EQ(FaceColour(Picture(), 3, 4), Background());
}

TEST_F(PlayViewTest, APeekShowsThePartnerWordOnAWhiteBox) {
    const QRect word = QRect(TileCorner(2, 4) + QPoint(40, 22), QSize(100, 14));
    EXPECT_EQ(Count(word, White), 0);
    EXPECT_GT(Count(word, WordBox), 0);
    Press(Qt::RightButton, 2, 4);
    EXPECT_GT(Count(word, White), 100);
    EXPECT_EQ(State().HintCount, 1);
    Release(Qt::RightButton, 2, 4);
    EXPECT_EQ(State().MouseDownX, 0);
}

// The second press of a double-click does nothing; a press soon after, or a slow second click,
// is a click of its own again: it deselects.
TEST_F(PlayViewTest, TheSecondPressOfADoubleClickDoesNothing) {
    const auto send = [this](QEvent::Type type, quint64 time) {
        const QPoint at = TileCentre(1, 4);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, View().mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(&View(), &event);
    };
    send(QEvent::MouseButtonPress, 1000);
    send(QEvent::MouseButtonRelease, 1010);
    send(QEvent::MouseButtonPress, 1100);
    send(QEvent::MouseButtonDblClick, 1100);
    send(QEvent::MouseButtonRelease, 1110);
    EXPECT_EQ(State().SelectedCol, 1);
    EXPECT_EQ(State().SelectedRow, 4);
    send(QEvent::MouseButtonPress, 1200);
    EXPECT_EQ(State().SelectedCol, 0);

    send(QEvent::MouseButtonRelease, 1210);
    send(QEvent::MouseButtonPress, 4000);
    send(QEvent::MouseButtonRelease, 4010);
    ASSERT_EQ(State().SelectedCol, 1);
    send(QEvent::MouseButtonPress, 6000);
    EXPECT_EQ(State().SelectedCol, 0);
}

TEST_F(PlayViewTest, HintFramesTheSelectedTileYellowAndRed) {
    Click(3, 4);
    Trigger(CommandId::Hint);
    EXPECT_EQ(State().HintCount, 1);
    // The first hinted tile, (1, 4), gets the plain form; the selected (3, 4) the coloured one.
    const QPoint selected = TileCorner(3, 4);
    EXPECT_EQ(Picture().pixel(selected + QPoint(60, 5 + 4)), Yellow);
    EXPECT_EQ(Picture().pixel(selected + QPoint(173 - 4, 30)), Red);
    const QRgb plain = Picture().pixel(TileCorner(1, 4) + QPoint(60, 5 + 4));
    EXPECT_NE(plain, Yellow);
    EXPECT_NE(plain, LevelFace(1));
}

// Each item names the pair it would act on, and is disabled with its plain text otherwise.
TEST_F(PlayViewTest, UndoAndRedoPutTheMatchedPairBackAndTakeItAgain) {
    const auto items = [this] {
        const QAction* undo = frame->Action(CommandId::EditUndo);
        const QAction* redo = frame->Action(CommandId::EditRedo);
        return std::tuple(undo->isEnabled(), undo->text(), redo->isEnabled(), redo->text());
    };
    EXPECT_EQ(items(), std::tuple(false, "&Undo\tCtrl+Z", false, "&Redo\tCtrl+Y"));
    Click(1, 4);
    Click(3, 4);
    EXPECT_EQ(items(), std::tuple(true, "&Undo chat = cat\tCtrl+Z", false, "&Redo\tCtrl+Y"));
    Trigger(CommandId::EditUndo);
    EXPECT_EQ(items(), std::tuple(false, "&Undo\tCtrl+Z", true, "&Redo chat = cat\tCtrl+Y"));
    EXPECT_EQ(FaceColour(Picture(), 3, 4), LevelFace(1));
    EXPECT_EQ(std::pair(TilesOnBoard(), State().CorrectCount), std::pair(6, 1));
    Trigger(CommandId::EditRedo);
    EXPECT_EQ(items(), std::tuple(true, "&Undo chat = cat\tCtrl+Z", false, "&Redo\tCtrl+Y"));
    EXPECT_EQ(FaceColour(Picture(), 3, 4), Background());
    prompter->saveChoices.push_back(SaveChoice::Discard);
    Trigger(CommandId::NewGame);
    EXPECT_EQ(items(), std::tuple(false, "&Undo\tCtrl+Z", false, "&Redo\tCtrl+Y"));
}

TEST_F(PlayViewTest, ALevelShownAloneShowsCoveredTilesUntilALeftClick) {
    Trigger(CommandId::LevelDown);
    Trigger(CommandId::LevelDown);
    EXPECT_EQ(State().DisplayedLevel, 2);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(2)); // under level 1's tile
    EXPECT_EQ(FaceColour(Picture(), 2, 4), Background());
    Press(Qt::LeftButton, 2, 4);
    EXPECT_EQ(State().DisplayedLevel, 0);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(1));
}

// The pane beside CAP, NUM and SCRL follows each change of the level shown, the left click that
// brings all levels back included.
TEST_F(PlayViewTest, TheStatusBarTellsWhichLevelIsShown) {
    using namespace CommandId;
    const auto* pane = frame->statusBar()->findChild<QLabel*>(QStringLiteral("LevelPane"));
    ASSERT_NE(pane, nullptr);
    EXPECT_LT(pane->x(), frame->Indicators().Panes()[0]->x());
    EXPECT_EQ(pane->text(), "All levels");
    const std::pair<int, const char*> steps[] = {
        {LevelDown, "Level 1 of 2"}, {LevelDown, "Level 2 of 2"},   {LevelDown, "Level 2 of 2"},
        {LevelUp, "Level 1 of 2"},   {ShowAllLevels, "All levels"}, {DrawLevel, "Level 7 of 2"},
        {LevelUp, "Level 6 of 2"},   {NewGame, "All levels"},       {LevelDown, "Level 1 of 2"},
    };
    prompter->levelTexts.push_back("7");
    for (const auto& [command, shown] : steps) {
        Trigger(command);
        EXPECT_EQ(pane->text(), shown) << command;
    }
    Press(Qt::LeftButton, 2, 4);
    EXPECT_EQ(pane->text(), "All levels");
}

TEST_F(PlayViewTest, SaveAsRefusesAWordListAndKeepsItsBytes) {
    const std::string list = files.Write("words.txt", "Words\nuno\none\n");
    prompter->filesToSave.push_back(QString::fromStdString(list));
    Trigger(CommandId::FileSaveAs);
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith("Save not allowed"));
    EXPECT_EQ(ReadBytes(list), "Words\nuno\none\n");
}

} // namespace
