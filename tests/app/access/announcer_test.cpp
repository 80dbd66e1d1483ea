#include "app/access/announcer.h"
#include "frame_fixture.h"

#include <QTest>

namespace {

QStringList heard;

// What a screen reader is told as the laid-out game is played: chat/cat at columns 1 and 3 of
// row 4, dog/chien at columns 2 and 4.
class AnnouncerTest : public LaidOutGameTest {
protected:
    void SetUp() override {
        LaidOutGameTest::SetUp();
        ListenToAnnouncements([](const QString& text) { heard.append(text); });
        heard.clear();
    }
    void TearDown() override { ListenToAnnouncements({}); }
};

TEST_F(AnnouncerTest, EachMoveIsHeardOnceInItsOwnWords) {
    Click(1, 4);
    Click(2, 4);
    Click(3, 4);
    Trigger(CommandId::EditUndo);
    EXPECT_EQ(heard, QStringList({"chat, selected", "Wrong: dog is not chat's pair",
                                  "Correct: chat = cat", "Undone: chat = cat"}));
}

TEST_F(AnnouncerTest, FastAutoFinishRemovesThePairsOnItsTimerAndIsHeardOnceWhenItStops) {
    prompter->messages.clear();
    Trigger(CommandId::FastAutoFinish);
    EXPECT_TRUE(State().AutoRemovePending);
    QTRY_VERIFY_WITH_TIMEOUT(!State().AutoRemovePending, 5000);
    // Pair 2 is left: its tile at (1, 4) on level 2 and at (5, 3) both came to the top and
    // went too.
    EXPECT_EQ(TilesOnBoard(), 0);
    EXPECT_EQ(State().HintCount, 3);
    EXPECT_EQ(State().CorrectCount, 0);
    EXPECT_TRUE(prompter->messages.isEmpty());
    QTest::qWait(300);
    EXPECT_EQ(heard, QStringList({"Fast auto finish removed 3 pairs."}));
}

} // namespace
