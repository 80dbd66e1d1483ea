#include "app/access/announcer.h"
#include "frame_fixture.h"

#include <QTest>

namespace {

QStringList heard;

// What a screen reader is told as the laid-out game is played: chat/cat at columns 1 and 3 of
// row 4, dog/chien at columns 2 and 4.
class AnnouncerTest : public FrameTest {
protected:
    void SetUp() override {
        frame->show();
        Open(QString::fromStdString(files.Write("laid-out.txt", LaidOutGame())));
        ASSERT_TRUE(State().HasBoard());
        ListenToAnnouncements([](const QString& text) { heard.append(text); });
        heard.clear();
    }
    void TearDown() override { ListenToAnnouncements({}); }
    void Click(int column, int row) {
        const QPoint centre = TileCorner(column, row) + QPoint(89, 50);
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, centre);
    }
};

TEST_F(AnnouncerTest, EachMoveIsHeardOnceInItsOwnWords) {
    Click(1, 4);
    Click(2, 4);
    Click(3, 4);
    Trigger(CommandId::EditUndo);
    EXPECT_EQ(heard, QStringList({"chat, selected", "Wrong: dog is not chat's pair",
                                  "Correct: chat = cat", "Undone: chat = cat"}));
}

TEST_F(AnnouncerTest, FastAutoFinishIsHeardOnceWhenItStops) {
    Trigger(CommandId::FastAutoFinish);
    QTRY_COMPARE_WITH_TIMEOUT(State().AutoRemovePending, false, 5000);
    QTest::qWait(300);
    EXPECT_EQ(heard, QStringList({"Fast auto finish removed 3 pairs."}));
}

} // namespace
