#include "app/access/board_accessible.h"
#include "app/board/keyboard_play.h"
#include "frame_fixture.h"

#include <QAccessible>
#include <QStatusBar>
#include <QTest>

namespace {

using Stack = std::optional<BoardPosition>;

// The laid-out game: stacks with tiles in reading order are (5,3) "bird", (1,4) "chat",
// (2,4) "dog", (3,4) "chat", (4,4) "dog"; (1,4) and (3,4) are one pair, (2,4) and (4,4) another.
class KeyboardPlayTest : public LaidOutGameTest {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), static_cast<Qt::Key>(key), modifiers);
    }
    // `time` is the event's timestamp in milliseconds, as the window system stamps it.
    void Send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool repeat = false,
              quint64 time = 0) {
        QKeyEvent event(type, key, modifiers, QString(), repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(&View(), &event);
    }
    // A key's release takes effect once it is clear that no repeat follows.
    bool WrongMarkWiped() {
        return QTest::qWaitFor([this] { return !State().HasWrongMark(); });
    }
    Stack Cursor() { return frame->Keyboard().ShownCursor(); }
    QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(&View()); }
    QString Name(int column, int row) {
        return Board()->child(BoardAccessible::StackIndex({column, row}))->text(QAccessible::Name);
    }
};

TEST_F(KeyboardPlayTest, EnterPicksMatchesAndCountsWrongPicksAsTheMouseDoes) {
    EXPECT_EQ(Cursor(), std::nullopt);
    Key(Qt::Key_Right); // shows the cursor where it starts
    EXPECT_EQ(Cursor(), Stack({5, 3}));
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_EQ(std::pair(State().SelectedCol, State().SelectedRow), std::pair(1, 4));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Selected: chat");

    Key(Qt::Key_Right);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(State().WrongCount, 1);
    EXPECT_EQ(State().WrongMarkCol, 2); // the mark stays while the key is held
    Send(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(WrongMarkWiped());
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Wrong: dog is not chat's pair");

    Key(Qt::Key_Right);
    Key(Qt::Key_Enter);
    EXPECT_EQ(State().CorrectCount, 1);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Correct: chat = cat");
    EXPECT_EQ(Cursor(), Stack({4, 4})); // its stack emptied, the cursor went on
    Key(Qt::Key_Home);
    EXPECT_EQ(Cursor(), Stack({5, 3}));
    Trigger(CommandId::EditUndo);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Undone: chat = cat");
}

TEST_F(KeyboardPlayTest, ShiftEnterPeeksUntilReleaseOncePerPress) {
    Key(Qt::Key_End);
    ASSERT_EQ(Cursor(), Stack({4, 4}));
    Send(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier);
    Send(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, true);
    EXPECT_EQ(State().HintCount, 1);
    EXPECT_NE(State().MouseDownX, 0);
    Send(QEvent::KeyRelease, Qt::Key_Return, Qt::ShiftModifier, true);
    EXPECT_NE(State().MouseDownX, 0);
    Send(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return State().MouseDownX == 0; }));
    EXPECT_FALSE(State().HasSelection());
}

// A busy X server sends a held key's repeats as a release and a press with no repeat flag.
TEST_F(KeyboardPlayTest, AReleaseAndAPressAtOnceAreTheKeyStillHeld) {
    Key(Qt::Key_End);
    quint64 time = 1000;
    Send(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, false, time);
    for (int repeat = 0; repeat < 20; ++repeat) {
        Send(QEvent::KeyRelease, Qt::Key_Return, Qt::ShiftModifier, false, time += 33);
        Send(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, false, time);
        ASSERT_NE(State().MouseDownX, 0); // still peeking
    }
    EXPECT_EQ(State().HintCount, 1);
    Send(QEvent::KeyRelease, Qt::Key_Return, Qt::ShiftModifier, false, time += 33);
    EXPECT_TRUE(QTest::qWaitFor([this] { return State().MouseDownX == 0; }));

    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, false, time += 500);
    ASSERT_TRUE(State().HasSelection());
    Send(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, false, time += 500);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, false, time + 33);
    EXPECT_TRUE(State().HasSelection()); // a second press would have dropped it
    Send(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, false, time += 500);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, false, time += 60);
    EXPECT_FALSE(State().HasSelection());
}

// A window that opens while a key is down takes its release; the next press must still pick.
TEST_F(KeyboardPlayTest, LosingFocusOrTheActiveWindowReleasesAHeldKey) {
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Send(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    ASSERT_TRUE(State().HasSelection());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&View(), &focusOut);
    Key(Qt::Key_Right);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    EXPECT_EQ(State().WrongCount, 1);
    EXPECT_EQ(State().WrongMarkCol, 2);
    QEvent deactivated(QEvent::WindowDeactivate);
    QApplication::sendEvent(&View(), &deactivated);
    EXPECT_EQ(State().WrongMarkCol, 0); // as its release would have
    Send(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, false, 1000);
    Send(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, false, 1100);
    EXPECT_EQ(State().WrongCount, 2);
}

TEST_F(KeyboardPlayTest, AWrongPickStaysMarkedAMomentOrUntilTheNextKey) {
    Picture(); // the repaint after opening
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    Key(Qt::Key_Right);
    Key(Qt::Key_Space);
    ASSERT_EQ(State().WrongCount, 1);
    QTest::qWait(200); // the key was let go long ago
    const QRect mark(180 * 2 - 117, 100 + 67 * 4 - 65, 60, 60);
    EXPECT_GT(CountColour(Picture(), mark, Red), 50);
    EXPECT_TRUE(WrongMarkWiped());
    EXPECT_EQ(CountColour(Picture(), mark, Red), 0);

    Key(Qt::Key_Enter);
    ASSERT_EQ(State().WrongMarkCol, 2);
    Key(Qt::Key_Left);
    EXPECT_FALSE(State().HasWrongMark());
}

TEST_F(KeyboardPlayTest, EscapeDropsTheSelectionAndAMousePressHidesTheCursor) {
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(Cursor(), Stack({4, 4})); // (5, 3) is alone in its column
    Key(Qt::Key_Space);
    ASSERT_TRUE(State().HasSelection());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(State().HasSelection());
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Cursor(), std::nullopt);
}

TEST_F(KeyboardPlayTest, TheAccessibleBoardNamesEachStackByItsTopWord) {
    QAccessibleInterface* board = Board();
    ASSERT_EQ(board->childCount(), BoardPositions + 3);
    for (int i = 0; i < board->childCount(); ++i) {
        EXPECT_EQ(board->indexOfChild(board->child(i)), i);
    }
    EXPECT_EQ(QStringList({Name(5, 3), Name(1, 4), Name(2, 4), Name(5, 4), Name(1, 1)}),
              QStringList({"bird", "chat", "dog", "empty", "empty"}));
    EXPECT_TRUE(board->child(0)->state().invisible);
    EXPECT_FALSE(board->child(BoardAccessible::StackIndex({1, 4}))->state().invisible);
    EXPECT_EQ(board->child(BoardPositions)->text(QAccessible::Name), "Correct 0");

    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    QAccessibleInterface* focused = board->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "chat");
    EXPECT_EQ(focused->text(QAccessible::Description), "Column 1, row 4, level 1, selected");
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_EQ(Name(1, 4), "oiseau"); // the tile beneath came to the top
    EXPECT_EQ(Name(3, 4), "empty");
    EXPECT_EQ(board->child(BoardPositions)->text(QAccessible::Name), "Correct 1");
}

} // namespace
