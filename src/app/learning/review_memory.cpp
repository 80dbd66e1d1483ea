#include "app/learning/review_memory.h"

#include "app/base/game_in_play.h"
#include "app/learning/game_learning.h"
#include "game/game_host.h"
#include "learning/review_load.h"
#include "view/board/message_text.h"

#include <QGuiApplication>
#include <QThread>

#include <vector>

namespace {
// The schedules and settings the retention's cost is worked out from, read once.
ReviewCost CostOf(ProgressStore& store, Day today) {
    const std::optional<ReviewSettings> settings = StoredReviewSettings(store);
    const auto pairs = settings ? store.ScheduledPairs(EveryDay, -1) : std::nullopt;
    if (!pairs) {
        return {};
    }
    std::vector<Schedule> schedules;
    schedules.reserve(pairs->size());
    for (const ScheduledPair& pair : *pairs) {
        schedules.push_back(pair.schedule);
    }
    return [schedules = std::move(schedules), settings = *settings, today](double retention) {
        ReviewSettings at = settings;
        at.retention = retention;
        return ExpectedReviewsPerDay(schedules, today, at, ForecastDays);
    };
}

int Whole(double value) {
    return static_cast<int>(value);
}
} // namespace

MemoryProgress MemoryProgressOf(GameLearning& learning) {
    ProgressStore& store = learning.Store();
    MemoryProgress memory;
    memory.fits = store.Fits();
    if (!memory.fits) {
        memory.problem = store.Problem();
    }
    // Shared, as the page copies what runs the fit into its worker.
    std::shared_ptr<ProgressStore> own = store.Another();
    if (own) {
        memory.fit = [own, now = learning.Now()](const FitProgress& progress) {
            return FitStoredLog(*own, now, true, progress);
        };
    }
    memory.reload = [&store] { return store.Fits(); };
    return memory;
}

ReviewMemory::ReviewMemory(GameInPlay& game, GameLearning& learning)
    : QObject(&learning), game_(game), learning_(learning) {}

ReviewMemory::~ReviewMemory() {
    if (worker_) {
        stop_ = true;
        worker_->wait();
    }
}

void ReviewMemory::OnReviewSettings() {
    ProgressStore& store = learning_.Store();
    ReviewSettingsStart start;
    const std::optional<SettingTexts> texts = store.Settings();
    if (texts) {
        start.choice = {SettingValue(*texts, Setting::Retention),
                        Whole(SettingValue(*texts, Setting::ReviewPairs)),
                        Whole(SettingValue(*texts, Setting::DailyGoal))};
        start.cost = CostOf(store, learning_.Today());
    }
    if (!start.cost) {
        start.problem = MessageText(store.Problem());
    }
    const std::optional<ReviewChoice> chosen =
        learning_.Prompter().AskReviewSettings(&game_.Window(), start);
    if (!chosen) {
        return;
    }
    struct Change {
        const NumberSetting& setting;
        double chosen;
        double was;
    };
    const Change changes[] = {
        {Setting::ReviewPairs, double(chosen->reviewPairs), double(start.choice.reviewPairs)},
        {Setting::DailyGoal, double(chosen->dailyGoal), double(start.choice.dailyGoal)},
        {Setting::Retention, chosen->retention, start.choice.retention}};
    bool rescheduled = false;
    for (const Change& change : changes) {
        // With nothing read, every value is written.
        if (texts && change.chosen == change.was) {
            continue;
        }
        // A new retention replays every schedule, which takes a while on a long log.
        if (change.setting.reschedules) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
        const bool written = WriteSetting(store, change.setting, change.chosen);
        if (change.setting.reschedules) {
            QGuiApplication::restoreOverrideCursor();
            rescheduled = written;
        }
        if (!written) {
            game_.Host().ShowMessage(tr("The review settings are not kept: %1")
                                         .arg(MessageText(store.Problem()))
                                         .toStdString());
            return;
        }
    }
    if (rescheduled) {
        emit ScheduleChanged();
    }
}

void ReviewMemory::FitIfDue() {
    std::shared_ptr<ProgressStore> own = learning_.Store().Another();
    if (!own || worker_) {
        emit AutomaticFitEnded();
        return;
    }
    stop_ = false;
    result_ = std::make_shared<StoredLogFit>();
    const std::int64_t now = learning_.Now();
    worker_ = QThread::create([own, now, result = result_, this] {
        if (AutomaticFitDue(*own, now).value_or(false)) {
            *result = FitStoredLog(*own, now, true,
                                   [this](std::int64_t, std::int64_t) { return !stop_.load(); });
        }
    });
    // Owned, so that a window closed before the fit's end still frees its thread.
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, &ReviewMemory::AutomaticFitDone);
    worker_->start(QThread::LowPriority);
}

void ReviewMemory::AutomaticFitDone() {
    worker_->deleteLater();
    worker_ = nullptr;
    if (result_->adopted) {
        game_.Host().ShowNote(
            NoteTopic::MemoryFitted,
            tr("The memory model was fitted to your %n review(s) and now schedules your pairs.",
               nullptr, static_cast<int>(result_->fit->reviews))
                .toStdString());
        emit ScheduleChanged();
    }
    emit AutomaticFitEnded();
}
