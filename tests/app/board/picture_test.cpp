#include "app/board/board_printing.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "view/board/board_pixels.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

namespace {

// Each position shows the face of its top tile, or `empty` where it has none.
void ExpectTopTiles(const QImage& image, const GameState& state, QRgb empty) {
    for (int column = 1; column <= 5; ++column) {
        for (int row = 1; row <= 7; ++row) {
            const int level = state.HasBoard() ? TopLevelAt(state, column, row) : 0;
            EXPECT_EQ(FaceColour(image, column, row), level ? LevelFace(level) : empty)
                << "column " << column << " row " << row;
        }
    }
}

using PictureTest = FrameTest;

// With no word list, the white board area carries one centred line of text and nothing else.
TEST_F(PictureTest, AnEmptyBoardSaysHowToOpenAList) {
    frame->show();
    const QImage& image = Picture();
    ASSERT_EQ(Background(), QColor(Qt::white).rgb());
    QRect ink;
    for (int y = State().BoardTop; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != Background()) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const QFontMetrics metrics(QGuiApplication::font());
    const int lineWidth = metrics.horizontalAdvance("Open a word list with File > Open (Ctrl+O)");
    EXPECT_NEAR(ink.width(), lineWidth, 4);
    EXPECT_LE(ink.height(), metrics.height());
    EXPECT_NEAR(ink.center().x(), BoardLeft + BoardColumns * ColumnPitch / 2, 4);
}

// After each open, at any size, the back buffer shows the counters' fills with their numbers
// (all 0) at the one-digit place, the Removed Tiles box and the top tiles. A failed open leaves
// no board: the panels alone.
TEST_F(PictureTest, BackBufferShowsPanelsAndTopTiles) {
    frame->show();
    frame->resize(1000, 800);
    const QString missing = QString::fromStdString((files.path() / "missing.txt").string());
    for (const QString& path :
         {WordList("a.txt", 3), WordList("b.txt", 12), WordList("c.txt", 30), missing}) {
        SCOPED_TRACE(path.toStdString());
        const QString title = frame->windowTitle();
        Open(path);
        const QImage& image = Picture();
        ASSERT_EQ(image.size(), View().size() * View().devicePixelRatioF());
        for (const CounterPanel& panel : CounterPanels) {
            EXPECT_EQ(image.pixel(panel.ellipse.left() + 20, 50), panel.fill) << panel.name;
            const int number = NumberStart(image, panel);
            EXPECT_TRUE(number >= panel.oneDigitX && number < panel.oneDigitX + 10) << number;
        }
        EXPECT_EQ(image.pixel(900, 50), WordBox);
        ExpectTopTiles(image, State(), Background());
        EXPECT_TRUE(State().HasBoard()); // a failed open keeps the game and its picture
        EXPECT_EQ(frame->windowTitle() == title, path == missing);
    }
    EXPECT_EQ(prompter->messages, QStringList{"Error can't open the file\n" + missing});
    EXPECT_EQ(State().WordsCount, 30);
}

TEST_F(PictureTest, PrintAndPreviewWriteThePage) {
    OpenList(30);
    for (const int command : {CommandId::FilePrint, CommandId::FilePrintPreview}) {
        prompter->printToPdf = QString::fromStdString(files.Write("page.pdf", ""));
        Trigger(command);
        EXPECT_GT(QFileInfo(prompter->printToPdf).size(), 5000) << command;
    }
}

// At the view's own size the page shows the tiles where the screen shows them, and nothing
// where the screen shows the panels; without a board it stays blank.
TEST_F(PictureTest, PageCarriesTheTilesWithoutPanels) {
    QImage page(920, 579, QImage::Format_RGB32);
    for (const int pairs : {0, 30}) {
        if (pairs > 0) {
            OpenList(pairs);
        }
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintBoardPage(painter, page.rect(), State(), BoardPainter());
        painter.end();
        EXPECT_TRUE(AllOf(page, pairs ? QRect(0, 0, page.width(), 100) : page.rect(), White));
        ExpectTopTiles(page, State(), White);
    }
}

} // namespace
