#include "app/learning/todays_review.h"
#include "app/learning/typing_control.h"
#include "frame_fixture.h"
#include "game/board_geometry.h"
#include "learning/list_fingerprint.h"
#include "learning/pair_identity.h"
#include "learning/sqlite_progress_store.h"
#include "modal_answer.h"
#include "support/games.h"
#include "support/practice_day.h"
#include "view/dialogs/progress_dlg.h"
#include "view/dialogs/typing_round_dlg.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

namespace {

using namespace std::chrono;

class FixedClock : public Clock {
public:
    std::time_t Now() const override {
        std::tm noon{};
        noon.tm_year = 2026 - 1900;
        noon.tm_mon = 11;
        noon.tm_mday = 7;
        noon.tm_hour = 12;
        noon.tm_isdst = -1;
        return std::mktime(&noon);
    }
};

class TodaysReviewTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        frame->Learning().SetClock(std::make_unique<FixedClock>());
    }

    // A game of `list` on `reviewed` that missed one pair: its review, Again, falls due the
    // next day.
    void ScheduleFor(const std::string& list, const std::string& word, Day reviewed) {
        const std::time_t noon = FixedClock().Now() + (reviewed - Today).count() * 86400;
        GameResult game{"/lists/" + list, list,          noon, 60, 1, 1, 1, 0, 0, false, 0, {},
                        GameKind::List,   "List " + list};
        game.outcomes.push_back({{list, word, "to " + word}, 1, 0, 0, Grade::Again});
        ASSERT_TRUE(store->Record(game)) << EnglishText(store->Problem());
    }

    SqliteProgressStore* store = nullptr;
};

TEST_F(TodaysReviewTest, DealsTheDuePairsOfEveryListOnceEachMostOverdueFirstAndGradesThem) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(4));
    ScheduleFor("bbbbbbbbbbbbbbbb", "manger", Today - days(1));
    ScheduleFor("aaaaaaaaaaaaaaaa", "boire", Today);
    // The same pair met again in another list, spelt in another case: one pair, one memory.
    ScheduleFor("cccccccccccccccc", "Voir ", Today - days(3));
    ASSERT_TRUE(WriteSetting(*store, Setting::ReviewPairs, 1)) << EnglishText(store->Problem());
    Trigger(CommandId::TodaysReview);
    EXPECT_EQ(ListText(State().WordList), "Voir =to Voir ") << "the cap keeps the most overdue";

    ASSERT_TRUE(WriteSetting(*store, Setting::ReviewPairs, 60));
    Trigger(CommandId::TodaysReview);
    EXPECT_EQ(ListText(State().WordList), "Voir =to Voir ; manger=to manger");
    EXPECT_EQ(TilesOnBoard(), 4);
    EXPECT_EQ(frame->windowTitle(), "Glossatiles - Today's Review");
    const GameIdentity identity = IdentityOf(State());
    EXPECT_EQ(KeyOf(identity, State().WordList, 0).fingerprint, "cccccccccccccccc")
        << "the list it was seen in last";
    EXPECT_EQ(KeyOf(identity, State().WordList, 1).fingerprint, "bbbbbbbbbbbbbbbb");

    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !learningPrompter->reports.empty(); }, 5000));
    const auto games = store->Games(ReviewFingerprint);
    ASSERT_TRUE(games) << EnglishText(store->Problem());
    ASSERT_EQ(games->size(), 1u);
    EXPECT_EQ(games->at(0).kind, GameKind::Review);
    // Removed by automatic play: Again, so both are due tomorrow, each under its own list.
    const auto scheduled = store->ScheduledPairs(EveryDay, 10);
    ASSERT_EQ(scheduled->size(), 3u);
    std::vector<std::string> pairs;
    for (const ScheduledPair& pair : *scheduled) {
        pairs.push_back(DayText(pair.schedule.due) + " " + pair.key.textA + " " +
                        pair.key.fingerprint + " " + std::to_string(pair.schedule.reps));
    }
    EXPECT_EQ(pairs, std::vector<std::string>({"2026-12-08 Voir  cccccccccccccccc 3",
                                               "2026-12-08 boire aaaaaaaaaaaaaaaa 1",
                                               "2026-12-08 manger bbbbbbbbbbbbbbbb 2"}));
    EXPECT_EQ(frame->Review().DuePane()->text(), "Due today: 0");
}

TEST_F(TodaysReviewTest, WithNothingDueItNamesTheNextDueDayAndKeepsTheGame) {
    OpenLaidOutGame();
    const std::string before = ListText(State().WordList);
    Trigger(CommandId::TodaysReview);
    ASSERT_FALSE(prompter->messages.isEmpty());
    EXPECT_TRUE(prompter->messages.last().startsWith("No pairs are due for review.\n"))
        << prompter->messages.last().toStdString();

    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today + days(2));
    ScheduleFor("aaaaaaaaaaaaaaaa", "boire", Today + days(2));
    Trigger(CommandId::TodaysReview);
    EXPECT_TRUE(prompter->messages.last().startsWith("No pairs are due for review today.\n"));
    EXPECT_TRUE(prompter->messages.last().endsWith(": 2 pairs."))
        << prompter->messages.last().toStdString();
    EXPECT_TRUE(prompter->messages.last().contains("2026")) << "names the day";
    EXPECT_EQ(ListText(State().WordList), before);
}

TEST_F(TodaysReviewTest, AGameWithChangesIsNotGivenUpWithoutAsking) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(1));
    OpenLaidOutGame();
    // chat=cat lies at columns 1 and 3 of row 4: one match is a change worth saving.
    Click(1, 4);
    Click(3, 4);
    ASSERT_EQ(TilesOnBoard(), 4);
    const std::string before = ListText(State().WordList);
    prompter->saveChoices.push_back(SaveChoice::Cancel);
    Trigger(CommandId::TodaysReview);
    EXPECT_EQ(prompter->asked.last(), "save game?");
    EXPECT_EQ(ListText(State().WordList), before);
    prompter->saveChoices.push_back(SaveChoice::Discard);
    Trigger(CommandId::TodaysReview);
    EXPECT_EQ(ListText(State().WordList), "voir=to voir");
}

// Nothing due: the review says so before it would ask about the game in play.
TEST_F(TodaysReviewTest, NothingDueLeavesTheGameInPlayWithoutAsking) {
    OpenLaidOutGame();
    Click(1, 4);
    Click(3, 4);
    Trigger(CommandId::TodaysReview);
    EXPECT_FALSE(prompter->asked.contains("save game?"));
    EXPECT_TRUE(prompter->messages.last().startsWith("No pairs are due for review."));
    EXPECT_EQ(TilesOnBoard(), 4);
}

// A game with no tile left has nothing to save: what replaces it or ends it does not ask.
TEST_F(TodaysReviewTest, AFinishedGameIsNotOfferedForSaving) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(1));
    frame->show();
    for (const int command : {CommandId::NewGame, CommandId::TodaysReview, CommandId::AppExit}) {
        SCOPED_TRACE(command);
        OpenLaidOutGame();
        for (const auto& [first, second] : {std::pair(QPoint(1, 4), QPoint(3, 4)),
                                            {QPoint(2, 4), QPoint(4, 4)},
                                            {QPoint(1, 4), QPoint(5, 3)}}) {
            Click(first.x(), first.y());
            Click(second.x(), second.y());
        }
        ASSERT_EQ(TilesOnBoard(), 0);
        prompter->asked.clear();
        Trigger(command);
        EXPECT_FALSE(prompter->asked.contains("save game?"));
    }
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(TodaysReviewTest, AtStartTheStatusBarSaysHowManyPairsAreDue) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(3));
    ScheduleFor("aaaaaaaaaaaaaaaa", "boire", Today - days(1));
    frame->Review().NoteDuePairs();
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "2 pairs are due for review today: Game > Today's Review (Ctrl+D)");
    EXPECT_EQ(frame->Review().DuePane()->text(), "Due today: 2");

    frame->Learning().SetStore(std::make_unique<SqliteProgressStore>(""));
    frame->Review().NoteDuePairs();
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "Progress is not kept: there is no folder for it (neither XDG_DATA_HOME nor HOME "
              "is set)");
    EXPECT_FALSE(frame->Review().DuePane()->isVisibleTo(frame.get()));
}

TEST_F(TodaysReviewTest, ProgressForecastsThePairsDuePerDay) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(3));
    ScheduleFor("aaaaaaaaaaaaaaaa", "boire", Today + days(4));
    ScheduleFor("bbbbbbbbbbbbbbbb", "manger", Today + days(4));
    Trigger(CommandId::Progress);
    ASSERT_EQ(learningPrompter->progress.size(), 1u);
    const CProgressDlg dialog(learningPrompter->progress[0]);
    ASSERT_NE(dialog.Forecast(), nullptr);
    const auto* bars = qobject_cast<QBarSeries*>(dialog.Forecast()->chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    const QBarSet* due = bars->barSets().value(0);
    ASSERT_EQ(due->count(), ForecastDays);
    EXPECT_EQ(std::tuple(due->at(0), due->at(5), due->at(1)), std::tuple(1, 2, 0));
    EXPECT_EQ(dialog.Stages()->text(), "New: 0   Learning: 2   Due: 1   Mature: 0");
    // The list's page says whose forecast it is: both lists' pairs are in it.
    EXPECT_EQ(dialog.Forecast()->chart()->title(),
              "Pairs of every list due for review in the next 30 days");
    EXPECT_EQ(dialog.Forecast()->accessibleName(), "Review forecast of every list");
}

// The board's places whose top tile belongs to `pair`.
std::vector<BoardPosition> TopTilesOf(const GameState& state, std::int32_t pair) {
    std::vector<BoardPosition> places;
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            if (PairAt(state, TopCellAt(state, column, row)) == pair) {
                places.push_back({column, row});
            }
        }
    }
    return places;
}

TEST_F(TodaysReviewTest, GameFinishedTypesEveryReviewPairAndTheRoundsGradeReplacesTheBoards) {
    ScheduleFor("aaaaaaaaaaaaaaaa", "voir", Today - days(1));
    ScheduleFor("bbbbbbbbbbbbbbbb", "manger", Today - days(1));
    Trigger(CommandId::TodaysReview);
    ASSERT_EQ(TilesOnBoard(), 4);
    const std::vector<BoardPosition> first = TopTilesOf(State(), 0);
    const std::vector<BoardPosition> second = TopTilesOf(State(), 1);
    ASSERT_EQ(std::tuple(first.size(), second.size()), std::tuple(2u, 2u));

    learningPrompter->afterGame.push_back(AfterGame::TypePairs);
    std::vector<QString> asked;
    AnswerWhenShown<CTypingRoundDlg>([&asked](CTypingRoundDlg& dialog) {
        while (!dialog.Summary()->isVisible() && asked.size() < 4) {
            asked.push_back(dialog.Word()->text());
            QTest::keyClicks(dialog.AnswerLine(), "to " + asked.back());
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
            QTest::keyClick(dialog.AnswerLine(), Qt::Key_Return);
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    std::optional<RoundSummary> summary;
    QObject::connect(&frame->Typing(), &TypingControl::RoundEnded,
                     [&summary](const TypingRound& round) { summary = round.Summary(); });
    // The first pair is picked with the second once, then both are matched.
    for (const BoardPosition& place : {first[0], second[0], first[1], second[0], second[1]}) {
        Click(place.column, place.row);
    }
    ASSERT_TRUE(QTest::qWaitFor([&summary] { return summary.has_value(); }, 5000));
    ASSERT_EQ(learningPrompter->reports.size(), 1u);
    EXPECT_TRUE(learningPrompter->reports[0].todaysReview);
    EXPECT_EQ(learningPrompter->reports[0].troubled.size(), 1u);
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, std::vector<QString>({"manger", "voir"})) << "the clean pair too";
    EXPECT_EQ(summary->rightFirstTry, 2);

    // Yesterday's review and today's round count; today's board grade does not.
    const auto scheduled = store->ScheduledPairs(EveryDay, 10);
    ASSERT_TRUE(scheduled) << EnglishText(store->Problem());
    ASSERT_EQ(scheduled->size(), 2u);
    for (const ScheduledPair& pair : *scheduled) {
        EXPECT_EQ(pair.schedule.reps, 2) << pair.key.textA;
    }
}

} // namespace
