#include "app/command_ids.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "pixels.h"

#include <QPalette>

namespace {

class BackBufferTest : public FrameTest {
protected:
    void SetUp() override {
        frame->show();
        ASSERT_GE(View().height(), 570) << "the board must fit below the bars";
        ASSERT_GE(View().width(), 910);
    }

    const QImage& Picture() {
        View().UpdateBackBuffer();
        return View().BackBuffer();
    }

    QColor Background() { return View().palette().color(QPalette::Window); }

    void Open(int pairs) {
        prompter->filesToOpen.push_back(WordList("list.txt", pairs));
        frame->Action(CommandId::FileOpen)->trigger();
        ASSERT_TRUE(State().HasBoard());
    }
};

struct Panel {
    const char* name;
    QPoint inside;
    QColor fill;
};

const Panel Panels[] = {
    {"Correct", {30, 50}, {7, 255, 208}},
    {"Wrong", {250, 50}, {255, 0, 0}},
    {"Hints", {470, 50}, {0, 170, 221}},
    {"Removed Tiles", {900, 50}, {7, 255, 208}},
};

void ExpectPanels(const QImage& image) {
    for (const Panel& panel : Panels) {
        EXPECT_EQ(QColor(image.pixel(panel.inside)), panel.fill) << panel.name;
    }
}

TEST_F(BackBufferTest, FreshViewShowsPanelsAndNoTiles) {
    const QImage& image = Picture();
    ExpectPanels(image);
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(FaceColour(image, 3, row), Background()) << row;
    }
}

TEST_F(BackBufferTest, OpenedListShowsTheTopTileOfEveryPosition) {
    for (const int pairs : {3, 12, 30}) {
        Open(pairs);
        const QImage& image = Picture();
        ExpectPanels(image);
        int tiles = 0;
        for (int column = 1; column <= 5; ++column) {
            for (int row = 1; row <= 7; ++row) {
                const int level = TopLevelAt(State(), column, row);
                const QColor expected = level == 0 ? Background() : LevelFace(level);
                EXPECT_EQ(FaceColour(image, column, row), expected)
                    << pairs << " pairs, column " << column << " row " << row;
                tiles += level != 0;
            }
        }
        EXPECT_GT(tiles, 0);
    }
}

TEST_F(BackBufferTest, ImmediateDrawReachesTheBufferUntilTheNextRepaint) {
    Open(3);
    int column = 1;
    while (TopCellAt(State(), column, 4) < 0) {
        ++column;
    }
    const int level = TopLevelAt(State(), column, 4);
    const std::string word = "word";
    ASSERT_EQ(FaceColour(Picture(), column, 4), LevelFace(level));

    View().DrawTile(1, column, 4, level, &word);
    EXPECT_EQ(FaceColour(View().BackBuffer(), column, 4), QColor(Qt::white));

    View().InvalidateAll();
    EXPECT_EQ(FaceColour(Picture(), column, 4), LevelFace(level));
}

TEST_F(BackBufferTest, FailedOpenPaintsPanelsOnly) {
    Open(12);
    prompter->filesToOpen.push_back(QString::fromStdString((files.path() / "none").string()));
    frame->Action(CommandId::FileOpen)->trigger();
    ASSERT_FALSE(State().HasBoard());

    const QImage& image = Picture();
    ExpectPanels(image);
    for (int row = 2; row <= 6; ++row) {
        EXPECT_EQ(FaceColour(image, 2, row), Background()) << row;
    }
}

TEST_F(BackBufferTest, BufferFollowsTheViewSize) {
    frame->resize(1000, 800);
    const QImage& image = Picture();
    EXPECT_EQ(image.size(), View().size() * View().devicePixelRatioF());
}

} // namespace
