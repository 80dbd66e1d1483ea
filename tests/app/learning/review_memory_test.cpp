#include "app/learning/review_memory.h"
#include "app/learning/todays_review.h"
#include "app/shell/note_bar.h"
#include "frame_fixture.h"
#include "learning/sqlite_progress_store.h"
#include "modal_answer.h"
#include "support/recorded_reviews.h"
#include "support/simulated_learner.h"
#include "view/dialogs/progress_dlg.h"
#include "view/dialogs/review_settings_dlg.h"

#include <QChartView>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>

#include <map>

namespace {

using namespace std::chrono;

// A learner who forgets faster than the average one, so that fitted weights predict better.
const MemoryWeights ForgetfulLearner{0.1,  0.6,  1.2, 5.0,    6.0,    0.7,    2.5,
                                     0.01, 1.4,  0.2, 0.9,    1.7,    0.07,   0.3,
                                     1.8,  0.55, 2.1, 0.5425, 0.0912, 0.0658, 0.2};

// Two months after the simulated learner's log ends.
class MarchClock : public Clock {
public:
    std::time_t Now() const override { return NoonOf(year(2027) / March / 1); }
};

using DueDays = std::map<std::string, Day>;

class ReviewMemoryTest : public FrameTest {
protected:
    void SetUp() override {
        store = &UseProgressStoreInTestFolder();
        frame->Learning().SetClock(std::make_unique<MarchClock>());
        Learner learner;
        learner.memory = ForgetfulLearner;
        learner.pairs = 80;
        ASSERT_TRUE(RecordReviews(*store, SimulatedReviews(learner)))
            << EnglishText(store->Problem());
        before = Due();
        // The real windows, answered from inside their own event loops.
        frame->Learning().SetPrompter(std::make_unique<QtLearningPrompter>());
    }

    DueDays Due() {
        DueDays due;
        const auto pairs = store->ScheduledPairs(EveryDay, -1);
        EXPECT_TRUE(pairs);
        for (const ScheduledPair& pair : pairs.value_or(std::vector<ScheduledPair>{})) {
            due[pair.key.textA] = pair.schedule.due;
        }
        return due;
    }
    // How many pairs come due sooner than before, and how many later.
    std::pair<int, int> SoonerAndLater() {
        const DueDays now = Due();
        EXPECT_EQ(now.size(), before.size());
        std::pair<int, int> moved;
        for (const auto& [pair, day] : now) {
            moved.first += day < before.at(pair) ? 1 : 0;
            moved.second += day > before.at(pair) ? 1 : 0;
        }
        return moved;
    }
    double Setting(const NumberSetting& setting) { return ReadSetting(*store, setting).value(); }

    // Opens Tools > Progress, runs `onMemory` on its Memory page and closes it.
    void OnMemoryPage(const std::function<void(MemoryPage&)>& onMemory) {
        bool shown = false;
        AnswerWhenShown<CProgressDlg>([&](CProgressDlg& dialog) {
            dialog.Pages()->setCurrentWidget(dialog.Memory());
            onMemory(*dialog.Memory());
            shown = true;
            dialog.reject();
        });
        Trigger(CommandId::Progress);
        ASSERT_TRUE(shown);
    }
    static void WaitForFit(MemoryPage& page) {
        ASSERT_TRUE(QTest::qWaitFor([&page] { return !page.Fitting(); }, 60000));
    }

    SqliteProgressStore* store = nullptr;
    DueDays before;
};

TEST_F(ReviewMemoryTest, ReviewSettingsKeepsTheChoicesAndARetentionReschedulesEveryPair) {
    struct Case {
        double retention;
        const char* costWords;
        bool sooner;
    };
    for (const Case c : {Case{0.97, "more a day than at the 90 %", true},
                         Case{0.8, "fewer a day than at the 97 %", false}}) {
        SCOPED_TRACE(c.retention);
        before = Due();
        QString cost;
        QPointF marked;
        AnswerWhenShown<CReviewSettingsDlg>([&](CReviewSettingsDlg& dialog) {
            dialog.Retention()->setValue(c.retention);
            cost = dialog.Cost()->text();
            const auto points = dialog.Chart()->chart()->findChildren<QScatterSeries*>();
            marked = points.size() == 1 ? points[0]->at(0) : QPointF();
            dialog.ReviewPairs()->setValue(25);
            dialog.DailyGoal()->setValue(35);
            dialog.accept();
        });
        Trigger(CommandId::ReviewSettings);

        EXPECT_TRUE(cost.contains(c.costWords)) << cost.toStdString();
        EXPECT_DOUBLE_EQ(marked.x(), c.retention * 100);
        EXPECT_EQ(Setting(Setting::Retention), c.retention);
        EXPECT_EQ(Setting(Setting::ReviewPairs), 25);
        EXPECT_EQ(Setting(Setting::DailyGoal), 35);
        const auto [sooner, later] = SoonerAndLater();
        EXPECT_GT(c.sooner ? sooner : later, 0);
        EXPECT_EQ(c.sooner ? later : sooner, 0);
    }
}

TEST_F(ReviewMemoryTest, CancelOrOkWithoutChangesKeepsEverySettingAsItWas) {
    // Finer than the box shows, as the command line may set it.
    ASSERT_TRUE(WriteSetting(*store, Setting::Retention, 0.855));
    before = Due();
    const SettingTexts kept = store->Settings().value();
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        AnswerWhenShown<CReviewSettingsDlg>([ok](CReviewSettingsDlg& dialog) {
            if (ok) {
                dialog.accept();
                return;
            }
            dialog.Retention()->setValue(0.7);
            dialog.DailyGoal()->setValue(900);
            dialog.reject();
        });
        Trigger(CommandId::ReviewSettings);
        EXPECT_EQ(store->Settings(), kept);
        EXPECT_EQ(SoonerAndLater(), std::pair(0, 0));
    }
}

TEST_F(ReviewMemoryTest, AStoreThatCannotBeReadIsSaidInTheDialogAndWhenWriting) {
    const auto folder = files.path() / "data/glossatiles/progress.sqlite";
    frame->Learning().SetStore(std::make_unique<SqliteProgressStore>(folder.parent_path()));
    QString cost;
    AnswerWhenShown<CReviewSettingsDlg>([&cost](CReviewSettingsDlg& dialog) {
        cost = dialog.Cost()->text();
        EXPECT_EQ(dialog.Chart(), nullptr);
        dialog.accept();
    });
    Trigger(CommandId::ReviewSettings);
    EXPECT_TRUE(cost.startsWith("The schedule cannot be read: ")) << cost.toStdString();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith("The review settings are not kept: "))
        << prompter->messages[0].toStdString();
}

TEST_F(ReviewMemoryTest, FitNowOnTheMemoryPageAdoptsABetterFitOffTheWindowsThread) {
    OnMemoryPage([](MemoryPage& page) {
        EXPECT_TRUE(page.InUse()->text().contains("default")) << page.InUse()->text().toStdString();
        EXPECT_EQ(page.Scores()->text(), "No fit has been made yet.");
        page.FitButton()->click();
        EXPECT_TRUE(page.Fitting());
        EXPECT_FALSE(page.FitButton()->isEnabled());
        WaitForFit(page);
        EXPECT_EQ(page.Progress()->value(), 100);
        EXPECT_TRUE(page.Outcome()->text().contains("are now in use"))
            << page.Outcome()->text().toStdString();
        EXPECT_TRUE(page.InUse()->text().startsWith("In use: parameters fitted on "))
            << page.InUse()->text().toStdString();
        EXPECT_TRUE(page.Scores()->text().contains("RMSE (bins)"));
    });
    const KeptFits fits = store->Fits().value();
    ASSERT_TRUE(fits.inUse);
    EXPECT_TRUE(fits.inUse->adopted);
    EXPECT_NE(fits.inUse->weights, DefaultWeights);
    EXPECT_NE(SoonerAndLater(), std::pair(0, 0)) << "the fitted weights schedule every pair";
}

TEST_F(ReviewMemoryTest, CancelStopsTheFitAndKeepsNothing) {
    OnMemoryPage([](MemoryPage& page) {
        page.FitButton()->click();
        ASSERT_TRUE(page.CancelButton()->isEnabled());
        page.CancelButton()->click();
        WaitForFit(page);
        EXPECT_EQ(page.Outcome()->text(), "The fit was stopped; the parameters in use stay.");
        EXPECT_TRUE(page.FitButton()->isEnabled());
        EXPECT_FALSE(page.CancelButton()->isEnabled());
    });
    EXPECT_FALSE(store->Fits().value().latest);
    EXPECT_EQ(SoonerAndLater(), std::pair(0, 0));
}

TEST_F(ReviewMemoryTest, AtStartAFitThatIsDueRunsOnceAndANoteSaysItWasAdopted) {
    QSignalSpy ended(&frame->Memory(), &ReviewMemory::AutomaticFitEnded);
    std::vector<QStringList> notes;
    std::vector<std::optional<KeptFit>> latest;
    frame->Review().NoteDuePairs();
    const QString dueBefore = frame->statusBar()->currentMessage();
    for (int start = 1; start <= 2; ++start) {
        frame->Memory().FitIfDue();
        ASSERT_TRUE(ended.count() == start || ended.wait(60000));
        notes.push_back(frame->Notes().Notes());
        latest.push_back(store->Fits().value().latest);
        frame->Notes().Withdraw(NoteTopic::MemoryFitted);
    }
    ASSERT_EQ(notes[0].size(), 1);
    EXPECT_TRUE(notes[0][0].startsWith("The memory model was fitted to your "))
        << notes[0][0].toStdString();
    ASSERT_TRUE(latest[0] && latest[0]->adopted);
    // The same day again: the last fit is not a month old.
    EXPECT_TRUE(notes[1].isEmpty()) << notes[1].join('|').toStdString();
    ASSERT_TRUE(latest[1]);
    EXPECT_EQ(latest[1]->fittedAt, latest[0]->fittedAt);
    EXPECT_NE(SoonerAndLater(), std::pair(0, 0));
    // The note at start counted by the old schedule; the status line now counts by the new.
    const std::int64_t due = store->Summary(frame->Learning().Today()).value().dueNow;
    ASSERT_GT(due, 1);
    EXPECT_EQ(frame->statusBar()->currentMessage().toStdString(),
              std::to_string(due) +
                  " pairs are due for review today: Game > Today's Review (Ctrl+D)");
    EXPECT_NE(frame->statusBar()->currentMessage().toStdString(), dueBefore.toStdString())
        << "the fit moved today's count";
}

TEST(FitOutcome, SaysWhatAFitCameToAndWhichWeightsScheduleNow) {
    MemoryFit judged;
    judged.reviews = 120;
    judged.before = PredictionScore{0.45, 0.08};
    judged.fitted = PredictionScore{0.4, 0.05};
    StoredLogFit failed;
    failed.problem = Message("disk full");
    const StoredLogFit stopped;
    const StoredLogFit empty{MemoryFit{}, false, false, std::nullopt};
    const StoredLogFit adopted{judged, true, true, std::nullopt};
    MemoryFit worse = judged;
    worse.fitted = PredictionScore{0.47, 0.09};
    const StoredLogFit kept{worse, true, false, std::nullopt};
    const struct {
        const StoredLogFit& result;
        const char* text;
    } cases[] = {
        {failed, "The fit failed: disk full"},
        {stopped, "The fit was stopped; the parameters in use stay."},
        {empty, "There is nothing to fit to yet: a pair needs a review a day or more after the "
                "one before."},
        {adopted, "The fitted parameters predict your 120 reviews better (log loss 0.4000 "
                  "instead of 0.4500) and are now in use: every schedule follows them."},
        {kept, "The fitted parameters predict your 120 reviews no better than those in use (log "
               "loss 0.4700 against 0.4500), so those stay."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitOutcomeText(c.result), c.text);
    }
}

} // namespace
