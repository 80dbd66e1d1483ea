#include "app/board_page.h"
#include "app/command_ids.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "pixels.h"

#include <QFileInfo>
#include <QPainter>

namespace {

class PrintTest : public FrameTest {
protected:
    void OpenList() {
        prompter->filesToOpen.push_back(WordList("list.txt", 30));
        frame->Action(CommandId::FileOpen)->trigger();
        ASSERT_TRUE(State().HasBoard());
    }

    QString Pdf() const { return QString::fromStdString((files.path() / "page.pdf").string()); }
};

void ExpectPdf(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 5000);
}

TEST_F(PrintTest, CtrlPPrintsThePage) {
    OpenList();
    prompter->printToPdf = Pdf();
    frame->Action(CommandId::FilePrint)->trigger();
    ExpectPdf(Pdf());
}

TEST_F(PrintTest, CancelledPrintWritesNothing) {
    OpenList();
    frame->Action(CommandId::FilePrint)->trigger();
    EXPECT_FALSE(QFileInfo::exists(Pdf()));
}

TEST_F(PrintTest, PreviewPaintsThroughTheSameRoutine) {
    OpenList();
    prompter->printToPdf = Pdf();
    frame->Action(CommandId::FilePrintPreview)->trigger();
    ExpectPdf(Pdf());
}

TEST_F(PrintTest, PrintSetupAsksForThePage) {
    frame->Action(CommandId::FilePrintSetup)->trigger();
    EXPECT_EQ(prompter->pageSetups, 1);
}

// At the view's own size the page shows the tiles where the screen shows them, and nothing
// where the screen shows the panels.
TEST_F(PrintTest, PageCarriesTheTilesWithoutPanels) {
    OpenList();
    QImage page(920, 579, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintBoardPage(painter, page.rect(), State(), BoardPainter());
    painter.end();

    for (int y = 0; y < 100; y += 3) {
        for (int x = 0; x < page.width(); x += 3) {
            ASSERT_EQ(QColor(page.pixel(x, y)), QColor(Qt::white)) << x << ", " << y;
        }
    }
    for (int column = 1; column <= 5; ++column) {
        for (int row = 1; row <= 7; ++row) {
            const int level = TopLevelAt(State(), column, row);
            if (level != 0) {
                EXPECT_EQ(FaceColour(page, column, row), LevelFace(level)) << column << row;
            }
        }
    }
}

TEST_F(PrintTest, PageWithoutBoardStaysBlank) {
    QImage page(460, 290, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintBoardPage(painter, page.rect(), State(), BoardPainter());
    painter.end();

    QImage blank(page.size(), page.format());
    blank.fill(Qt::white);
    EXPECT_EQ(page, blank);
}

} // namespace
