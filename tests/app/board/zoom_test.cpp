#include "frame_fixture.h"
#include "view/board/board_pixels.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

using ZoomTest = FrameTest;

// Presses go through the same scale as the drawing, so a tile is hit where it is shown.
TEST_F(ZoomTest, ZoomedBoardIsHitWhereItIsDrawnAndScrollsWhenLarger) {
    frame->show();
    OpenLaidOutGame();
    Trigger(CommandId::ZoomIn);
    Trigger(CommandId::ZoomIn);
    const qreal scale = View().Scale();
    EXPECT_DOUBLE_EQ(scale, 1.25);
    EXPECT_EQ(View().minimumSize(), (QSizeF(BoardExtent) * scale).toSize());
    const QPoint shown = (QPointF(TileRect(StandardBoardTop, 2, 4).center()) * scale).toPoint();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, shown);
    EXPECT_EQ(std::pair(State().SelectedCol, State().SelectedRow), std::pair(2, 4));
    // (200, 60) lies inside the Correct panel's ellipse; unscaled, (250, 75) lies beside both.
    EXPECT_EQ(Picture().pixel((QPointF(200, 60) * scale).toPoint()), qRgb(7, 255, 208));

    Trigger(CommandId::ZoomOut);
    Trigger(CommandId::ZoomOut);
    Trigger(CommandId::ZoomOut);
    EXPECT_DOUBLE_EQ(View().Scale(), 0.9);
}

TEST_F(ZoomTest, FitFillsTheWindowAndIsRemembered) {
    frame->resize(1900, 1300);
    frame->show();
    EXPECT_DOUBLE_EQ(View().Scale(), 1.0); // an ordinary window keeps the board's own size
    Trigger(CommandId::ZoomToFit);
    EXPECT_GT(View().Scale(), 1.5);
    EXPECT_GE(View().width(), BoardExtent.width() * View().Scale() - 1);

    CMainFrame again;
    again.resize(1900, 1300);
    again.show();
    EXPECT_GT(again.View().Scale(), 1.5);
}

// A window smaller than the smallest board still reaches all of it by scrolling.
TEST_F(ZoomTest, FitInATinyWindowScrollsToTheWholeBoard) {
    frame->resize(200, 150);
    frame->show();
    Trigger(CommandId::ZoomToFit);
    QApplication::processEvents();
    auto* area = frame->centralWidget()->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    const QSize board = (QSizeF(BoardExtent) * View().Scale()).toSize();
    EXPECT_EQ(View().size(), board);
    EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

// However small the board is shown, it sits in the middle of the window.
TEST_F(ZoomTest, AZoomedOutBoardIsCentredInTheWindow) {
    frame->resize(1900, 1300);
    frame->show();
    // The board scrolls below the notes bar.
    auto* area = frame->centralWidget()->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    for (const int command : {CommandId::ZoomOut, CommandId::ZoomOut, CommandId::ZoomToFit}) {
        Trigger(command);
        QApplication::processEvents();
        const QRect board = View().ToWidget(QRect(QPoint(0, 0), BoardExtent));
        const QPoint centre = View().mapTo(area->viewport(), board.center());
        const QPoint middle = area->viewport()->rect().center();
        EXPECT_LE((centre - middle).manhattanLength(), 3)
            << View().Scale() << ": " << centre.x() << "," << centre.y();
    }
}

} // namespace
