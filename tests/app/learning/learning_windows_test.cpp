#include "frame_fixture.h"
#include "learning/list_fingerprint.h"
#include "learning/sqlite_progress_store.h"
#include "support/games.h"
#include "view/dialogs/game_finished_dlg.h"

#include <QAccessible>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class LearningWindowsTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        OpenLaidOutGame();
        list = State().WordList;
    }

    // Chat is picked with chien once (it stays selected), then the game is won by mouse.
    void WinWithOneMiss() {
        Click(1, 4), Click(2, 4);
        Click(3, 4), Click(2, 4), Click(4, 4), Click(1, 4), Click(5, 3);
    }
    // The window is posted, so it comes when play has returned to the event loop.
    bool GameFinishedShown() {
        return QTest::qWaitFor([this] { return !learningPrompter->reports.empty(); }, 5000);
    }

    SqliteProgressStore* store = nullptr;
    WordPairList list;
};

TEST_F(LearningWindowsTest, AGameWonByMouseNamesTheMissedPairAndPlaysItAgain) {
    learningPrompter->saveTo.push_back(QString::fromStdString((files.path() / "m.txt").string()));
    learningPrompter->afterGame.push_back(AfterGame::PlayMissedPairs);
    // The won game is not saved: its place goes to the missed pairs once the player agrees.
    prompter->saveChoices.push_back(SaveChoice::Discard);
    Trigger(CommandId::FileOpen); // cancelled: the game and its list stay
    WinWithOneMiss();
    EXPECT_TRUE(learningPrompter->reports.empty()) << "not from inside the click";
    ASSERT_TRUE(GameFinishedShown());

    const GameReport& report = learningPrompter->reports[0];
    EXPECT_EQ(std::tuple(report.correct, report.wrong, report.hints), std::tuple(3, 1, 0));
    ASSERT_EQ(report.troubled.size(), 1u);
    EXPECT_EQ(std::tuple(report.troubled[0].textA, report.troubled[0].textB,
                         report.troubled[0].record.missed),
              std::tuple("chat", "cat", 1));
    EXPECT_EQ(report.troubled[0].confusedWith, std::vector<std::string>{"chien = dog"});

    EXPECT_EQ(ListText(State().WordList), "chat=cat");
    EXPECT_EQ(TilesOnBoard(), 2);
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - Missed pairs of list.txt");
    EXPECT_EQ(ReadBytes((files.path() / "m.txt").string()), "Missed pairs: Test\nchat\ncat\n");

    const auto games = store->Games(ListFingerprint(list));
    ASSERT_TRUE(games) << EnglishText(store->Problem());
    ASSERT_EQ(games->size(), 1u);
    EXPECT_EQ(std::tuple(games->at(0).listPath, games->at(0).pairs, games->at(0).correct,
                         games->at(0).wrong),
              std::tuple("list.txt", 3, 3, 1));

    // The practice deal is still the list's, for Progress and for the missed pair's record.
    Trigger(CommandId::Progress);
    ASSERT_EQ(learningPrompter->progress.size(), 1u);
    EXPECT_EQ(learningPrompter->progress[0].games.size(), 1u);
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(QTest::qWaitFor([this] { return learningPrompter->reports.size() == 2; }, 5000));
    const auto practice = store->Games(ListFingerprint(list));
    ASSERT_EQ(practice->size(), 2u);
    EXPECT_EQ(practice->at(1).kind, GameKind::MissedPairs);
    EXPECT_EQ(store->HardestPairs(ListFingerprint(list), 20)->at(0).seen, 2);
}

TEST_F(LearningWindowsTest, FastAutoFinishEndsInGameFinishedWithEveryPairAssisted) {
    const QString nowhere = QString::fromStdString((files.path() / "no/such/folder.txt").string());
    learningPrompter->saveTo.push_back(nowhere);
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(GameFinishedShown());
    const GameReport& report = learningPrompter->reports[0];
    ASSERT_EQ(report.troubled.size(), 3u);
    for (const TroubledPair& pair : report.troubled) {
        EXPECT_EQ(std::tuple(pair.record.missed, pair.record.assisted), std::tuple(0, 1));
    }
    EXPECT_EQ(TilesOnBoard(), 0) << "Close deals nothing";
    EXPECT_TRUE(store->Games(ListFingerprint(list)).value().at(0).assisted);
    EXPECT_EQ(prompter->messages.last(), "The missed pairs could not be saved to\n" + nowhere);
}

// One pair matched, one wrong pick, two pairs removed by Fast Auto Finish: one of four tries.
TEST_F(LearningWindowsTest, ProgressCountsPairsRemovedAutomaticallyAsNotKnown) {
    Click(1, 4), Click(2, 4), Click(3, 4);
    ASSERT_EQ(std::tuple(State().CorrectCount, State().WrongCount), std::tuple(1, 1));
    learningPrompter->afterGame.push_back(AfterGame::Close);
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(GameFinishedShown());
    Trigger(CommandId::Progress);
    // On a dark desktop the chart is dark too.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(40, 40, 40)));
    const CProgressDlg dialog(learningPrompter->progress.at(0));
    QApplication::setPalette(light);
    ASSERT_NE(dialog.Chart(), nullptr);
    EXPECT_LT(dialog.Chart()->chart()->backgroundBrush().color().lightness(), 80);
    EXPECT_EQ(dialog.Chart()->chart()->theme(), QChart::ChartThemeDark);
    const auto* accuracy = qobject_cast<QLineSeries*>(dialog.Chart()->chart()->series().value(0));
    ASSERT_NE(accuracy, nullptr);
    ASSERT_EQ(accuracy->count(), 1);
    EXPECT_EQ(accuracy->at(0).y(), 25);
}

TEST_F(LearningWindowsTest, ProgressChartsTheListsGamesAndDealsItsHardestPairs) {
    Trigger(CommandId::Progress);
    ASSERT_EQ(learningPrompter->progress.size(), 1u);
    CProgressDlg empty(learningPrompter->progress[0]);
    EXPECT_EQ(empty.Chart(), nullptr);
    EXPECT_EQ(empty.Note()->text(), "No game of this list has been finished yet.");
    EXPECT_FALSE(empty.PlayButton()->isEnabled());

    WinWithOneMiss();
    ASSERT_TRUE(GameFinishedShown());
    // The game won has no tile left to save: Play Hardest Pairs deals without asking.
    learningPrompter->playHardest.push_back(true);
    prompter->asked.clear();
    Trigger(CommandId::Progress);
    EXPECT_EQ(prompter->asked, QStringList());
    EXPECT_EQ(ListText(State().WordList), "chat=cat");
    ASSERT_EQ(learningPrompter->progress.size(), 2u);
    CProgressDlg shown(learningPrompter->progress[1]);
    ASSERT_NE(shown.Chart(), nullptr);
    EXPECT_EQ(shown.Chart()->chart()->series().size(), 2);
    ASSERT_EQ(shown.Hardest()->topLevelItemCount(), 1);
    EXPECT_EQ(shown.Hardest()->topLevelItem(0)->text(0), "chat");
}

TEST_F(LearningWindowsTest, GameFinishedOffersOnlyCloseWhenNoPairWasMissed) {
    const GameReport clean{42, 3, 0, 0, 2, {}, false};
    const CGameFinishedDlg dialog(clean, [] {});
    EXPECT_EQ(dialog.windowTitle(), "Game finished");
    EXPECT_FALSE(dialog.PlayButton()->isEnabled());
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == "Well done: no pair missed";
    }));
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text().endsWith("Undos: 2");
    }));
}

TEST_F(LearningWindowsTest, TheTypeButtonAsksForTheMissedPairsOrForTheWholeReview) {
    struct Case {
        bool missed;
        bool todaysReview;
        bool enabled;
        const char* label;
    };
    const Case cases[] = {
        {false, false, false, "Type the Missed Pairs"},
        {true, false, true, "Type the Missed Pairs"},
        {false, true, true, "Type the Review Pairs"},
        {true, true, true, "Type the Review Pairs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.missed << c.todaysReview);
        GameReport report{42, 3, 0, 0, 0, {}, c.todaysReview};
        if (c.missed) {
            report.troubled.push_back({0, "chat", "cat", {1, 0, 0, {}}, {}});
        }
        CGameFinishedDlg dialog(report, [] {});
        EXPECT_EQ(dialog.TypeButton()->text(), c.label);
        EXPECT_EQ(dialog.TypeButton()->isEnabled(), c.enabled);
        EXPECT_EQ(dialog.PlayButton()->isEnabled(), c.missed);
        dialog.TypeButton()->click();
        EXPECT_EQ(dialog.result(), c.enabled ? CGameFinishedDlg::TypePairs : 0);
    }
}

// A screen reader hears the list's name and then its first pair whole; the arrows go on.
TEST_F(LearningWindowsTest, GameFinishedPutsTheFocusOnTheHardestPairWhichIsReadWhole) {
    const GameReport missed{
        42,
        3,
        1,
        0,
        0,
        {{0, "perro", "dog", {1, 0, 0, {}}, {}}, {1, "gato", "cat", {2, 1, 3, {}}, {"pez = fish"}}},
        false};
    CGameFinishedDlg dialog(missed, [] {});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_EQ(QApplication::focusWidget(), dialog.Pairs());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dialog.Pairs());
    EXPECT_EQ(list->text(QAccessible::Name), "Pairs to practise");
    const auto focused = [list] {
        const QAccessibleInterface* row = list->focusChild();
        return row != nullptr ? row->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(focused(), "perro = dog, missed once");
    QTest::keyClick(dialog.Pairs(), Qt::Key_Down);
    EXPECT_EQ(focused(),
              "gato = cat, missed 2 times, hinted once, peeked 3 times, confused with pez = fish");
}

// Enter held since the winning pick repeats into the window: only a new press chooses.
TEST_F(LearningWindowsTest, GameFinishedIgnoresARepeatingEnter) {
    const GameReport missed{42, 3, 1, 0, 0, {{0, "chat", "cat", {1, 0, 0, {}}, {}}}, false};
    CGameFinishedDlg dialog(missed, [] {});
    dialog.show();
    ASSERT_TRUE(dialog.PlayButton()->isDefault());
    int accepted = 0;
    QObject::connect(&dialog, &QDialog::accepted, [&accepted] { ++accepted; });
    for (QWidget* target :
         {static_cast<QWidget*>(dialog.PlayButton()), static_cast<QWidget*>(dialog.Pairs()),
          static_cast<QWidget*>(&dialog)}) {
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(target, &repeat);
            // as a busy X server sends a repeat: a release and a press, no flag
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            release.setTimestamp(1000);
            QApplication::sendEvent(target, &release);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            press.setTimestamp(1033);
            QApplication::sendEvent(target, &press);
        }
    }
    QTest::qWait(300); // a default button's click is animated
    EXPECT_EQ(accepted, 0);
    QTest::keyClick(dialog.PlayButton(), Qt::Key_Return);
    EXPECT_EQ(accepted, 1);
}

} // namespace
