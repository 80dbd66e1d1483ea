#include "frame_fixture.h"
#include "view/board_pixels.h"

#include <QTest>

namespace {

using ZoomTest = FrameTest;

// Presses go through the same scale as the drawing, so a tile is hit where it is shown.
TEST_F(ZoomTest, ZoomedBoardIsHitWhereItIsDrawnAndScrollsWhenLarger) {
    frame->show();
    Open(QString::fromStdString(files.Write("laid-out.txt", LaidOutGame())));
    Trigger(CommandId::ZoomIn);
    Trigger(CommandId::ZoomIn);
    const qreal scale = View().Scale();
    EXPECT_DOUBLE_EQ(scale, 1.25);
    EXPECT_EQ(View().minimumSize(), (QSizeF(BoardExtent) * scale).toSize());
    const QPoint shown = (QPointF(TileRect(StandardBoardTop, 2, 4).center()) * scale).toPoint();
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, shown);
    EXPECT_EQ(std::pair(State().SelectedCol, State().SelectedRow), std::pair(2, 4));
    // The selected picture is drawn at the scaled place.
    EXPECT_NE(Picture().pixel(shown), Picture().pixel(QPoint(shown.x(), shown.y() - 90)));

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

} // namespace
