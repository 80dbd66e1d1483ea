#include "app/command_ids.h"
#include "frame_fixture.h"
#include "pixels.h"

#include <QTest>

namespace {

// Three pairs on two levels, laid out by hand:
//   level 1 (row 4): pair 0 at columns 1 and 3, pair 1 at columns 2 and 4, column 5 empty;
//   level 2: pair 2 under column 1 of row 4, and at column 5 of row 3.
std::string LaidOutGame() {
    std::string game = "Glossatiles saved game file: Laid out\r\nGame source file\r\nlist.txt\r\n"
                       "Time 10:00 01-01-2026\r\nCorrect:0\r\nWrong:0\r\nHints:0\r\n"
                       "Start of ArrayTop section *************************\r\n"
                       "Index:0:chat:cat\r\nIndex:1:chien:dog\r\nIndex:2:oiseau:bird\r\n"
                       "End of ArrayTop section *************************\r\n"
                       "Start of ArrayIndex section *************************\r\nCellCount 20\r\n";
    const int pairs[20] = {0, 1,  0,  1,  -1, -1, -1, -1, -1, 2,
                           2, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    for (int cell = 0; cell < 20; ++cell) {
        game += "Array:" + std::to_string(cell) + ":ArrayTop:" + std::to_string(pairs[cell]) +
                ":AB:" + std::to_string(cell % 2) + "\r\n";
    }
    return game + "End of ArrayIndex section *************************\r\n";
}

class PlayViewTest : public FrameTest {
protected:
    void SetUp() override {
        frame->show();
        prompter->filesToOpen.push_back(
            QString::fromStdString(files.Write("laid-out.txt", LaidOutGame())));
        frame->Action(CommandId::FileOpen)->trigger();
        ASSERT_TRUE(State().HasBoard());
        prompter->messages.clear();
        Picture(); // the repaint after opening, as the window would have shown it by now
    }

    const QImage& Picture() {
        View().UpdateBackBuffer();
        return View().BackBuffer();
    }

    static QPoint Centre(int column, int row) { return TileCorner(column, row) + QPoint(89, 50); }

    void Press(Qt::MouseButton button, int column, int row) {
        QTest::mousePress(&View(), button, Qt::NoModifier, Centre(column, row));
    }
    void Release(Qt::MouseButton button, int column, int row) {
        QTest::mouseRelease(&View(), button, Qt::NoModifier, Centre(column, row));
    }

    int CountPixels(const QRect& area, const QColor& colour) {
        const QImage& image = Picture();
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += QColor(image.pixel(x, y)) == colour ? 1 : 0;
            }
        }
        return count;
    }

    void Trigger(int command) { frame->Action(command)->trigger(); }
};

const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
const QColor MarkBox(7, 255, 208);

TEST_F(PlayViewTest, AWrongPickShowsTheRedMarkWhileTheButtonIsHeld) {
    Press(Qt::LeftButton, 1, 4);
    Release(Qt::LeftButton, 1, 4);
    Press(Qt::LeftButton, 2, 4);
    // " X " at height 60, its box's corner at (180 * column - 117, 100 + 67 * row - 65).
    const QRect mark(180 * 2 - 117, 100 + 67 * 4 - 65, 60, 60);
    EXPECT_GT(CountPixels(mark, Red), 50);
    EXPECT_GT(CountPixels(mark, MarkBox), 50);
    EXPECT_EQ(State().WrongCount, 1);
    Release(Qt::LeftButton, 2, 4);
    EXPECT_EQ(CountPixels(mark, Red), 0);
    EXPECT_EQ(State().SelectedCol, 1);
}

TEST_F(PlayViewTest, AMatchRemovesBothTilesAndShowsWhatLayBelow) {
    Press(Qt::LeftButton, 1, 4);
    Release(Qt::LeftButton, 1, 4);
    Press(Qt::LeftButton, 3, 4);
    Release(Qt::LeftButton, 3, 4);
    EXPECT_EQ(State().CorrectCount, 1);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(2));
    EXPECT_EQ(FaceColour(Picture(), 3, 4), View().palette().color(QPalette::Window));
}

TEST_F(PlayViewTest, APeekShowsThePartnerWordOnAWhiteBox) {
    const QRect word = QRect(TileCorner(2, 4) + QPoint(40, 22), QSize(100, 14));
    EXPECT_EQ(CountPixels(word, White), 0);
    EXPECT_GT(CountPixels(word, MarkBox), 0);
    Press(Qt::RightButton, 2, 4);
    EXPECT_GT(CountPixels(word, White), 100);
    EXPECT_EQ(State().HintCount, 1);
    Release(Qt::RightButton, 2, 4);
    EXPECT_EQ(State().MouseDownX, 0);
}

// Sends a mouse event as the window system would, at a given time in milliseconds.
void SendMouse(QWidget& view, QEvent::Type type, QPoint at, quint64 time) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(&view, &event);
}

TEST_F(PlayViewTest, TheSecondPressOfADoubleClickDoesNothing) {
    const QPoint tile = Centre(1, 4);
    SendMouse(View(), QEvent::MouseButtonPress, tile, 1000);
    SendMouse(View(), QEvent::MouseButtonRelease, tile, 1010);
    SendMouse(View(), QEvent::MouseButtonPress, tile, 1100);
    SendMouse(View(), QEvent::MouseButtonDblClick, tile, 1100);
    SendMouse(View(), QEvent::MouseButtonRelease, tile, 1110);
    EXPECT_EQ(State().SelectedCol, 1);
    EXPECT_EQ(State().SelectedRow, 4);
    // A third press soon after is a click of its own again: it deselects.
    SendMouse(View(), QEvent::MouseButtonPress, tile, 1200);
    EXPECT_EQ(State().SelectedCol, 0);
}

TEST_F(PlayViewTest, TwoSlowClicksOnATileSelectAndDeselect) {
    const QPoint tile = Centre(1, 4);
    SendMouse(View(), QEvent::MouseButtonPress, tile, 1000);
    SendMouse(View(), QEvent::MouseButtonRelease, tile, 1010);
    SendMouse(View(), QEvent::MouseButtonPress, tile, 3000);
    EXPECT_EQ(State().SelectedCol, 0);
}

TEST_F(PlayViewTest, HintFramesTheSelectedTileYellowAndRed) {
    Press(Qt::LeftButton, 3, 4);
    Release(Qt::LeftButton, 3, 4);
    Trigger(CommandId::Hint);
    EXPECT_EQ(State().HintCount, 1);
    // The first hinted tile, (1, 4), gets the plain form; the selected (3, 4) the coloured one.
    const QPoint selected = TileCorner(3, 4);
    EXPECT_EQ(QColor(Picture().pixel(selected + QPoint(60, 5 + 4))), Yellow);
    EXPECT_EQ(QColor(Picture().pixel(selected + QPoint(173 - 4, 30))), Red);
    const QPoint plain = TileCorner(1, 4);
    EXPECT_NE(QColor(Picture().pixel(plain + QPoint(60, 5 + 4))), Yellow);
    EXPECT_NE(QColor(Picture().pixel(plain + QPoint(60, 5 + 4))), LevelFace(1));
}

TEST_F(PlayViewTest, FastAutoFinishRemovesThePairsOnItsTimer) {
    Trigger(CommandId::FastAutoFinish);
    EXPECT_TRUE(State().AutoRemovePending);
    QTRY_VERIFY_WITH_TIMEOUT(!State().AutoRemovePending, 5000);
    // Pair 2 is left: its tile at (1, 4) on level 2 and at (5, 3) both came to the top and
    // went too.
    const auto left = std::count_if(State().AssignmentArray.begin(), State().AssignmentArray.end(),
                                    [](std::int32_t pair) { return pair != NoPair; });
    EXPECT_EQ(left, 0);
    EXPECT_EQ(State().HintCount, 3);
    EXPECT_EQ(State().CorrectCount, 0);
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(PlayViewTest, ALevelShownAloneShowsCoveredTilesUntilALeftClick) {
    Trigger(CommandId::LevelDown);
    Trigger(CommandId::LevelDown);
    EXPECT_EQ(State().DisplayedLevel, 2);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(2)); // under level 1's tile
    EXPECT_EQ(FaceColour(Picture(), 2, 4), View().palette().color(QPalette::Window));
    Press(Qt::LeftButton, 2, 4);
    EXPECT_EQ(State().DisplayedLevel, 0);
    EXPECT_EQ(FaceColour(Picture(), 1, 4), LevelFace(1));
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
