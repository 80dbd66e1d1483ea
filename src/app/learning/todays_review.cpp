#include "app/learning/todays_review.h"

#include "app/base/game_in_play.h"
#include "app/learning/game_learning.h"
#include "game/game_host.h"
#include "learning/stored_settings.h"
#include "view/board/message_text.h"

#include <QDate>
#include <QLabel>
#include <QLocale>

namespace {
QString LongDate(Day day) {
    const std::chrono::year_month_day date(day);
    return QLocale().toString(QDate(static_cast<int>(date.year()),
                                    static_cast<int>(unsigned(date.month())),
                                    static_cast<int>(unsigned(date.day()))),
                              QLocale::LongFormat);
}

QString Pairs(std::int64_t count) {
    return count == 1 ? TodaysReview::tr("1 pair") : TodaysReview::tr("%1 pairs").arg(count);
}
} // namespace

TodaysReview::TodaysReview(GameInPlay& game, GameLearning& learning, QLabel& pane)
    : QObject(&game), game_(game), learning_(learning), pane_(&pane) {
    pane_->setToolTip(tr("Pairs due for review today"));
    connect(&learning_, &GameLearning::GameRecorded, this, &TodaysReview::Refresh);
    Refresh();
}

std::optional<ReviewSummary> TodaysReview::Summary() {
    const std::optional<ReviewSummary> summary = learning_.Store().Summary(learning_.Today());
    pane_->setVisible(summary.has_value());
    if (summary) {
        pane_->setText(tr("Due today: %1").arg(summary->dueNow));
        pane_->setAccessibleName(pane_->text());
    }
    return summary;
}

void TodaysReview::Refresh() {
    Summary();
}

void TodaysReview::NoteDuePairs() {
    const std::optional<ReviewSummary> summary = Summary();
    if (!summary) {
        game_.Host().ReportStatus(ProgressNotKept(learning_.Store()));
    } else if (summary->dueNow > 0) {
        SayDue(summary->dueNow);
    }
}

void TodaysReview::Rescheduled() {
    if (const std::optional<ReviewSummary> summary = Summary()) {
        SayDue(summary->dueNow);
    }
}

void TodaysReview::SayDue(std::int64_t due) {
    if (due <= 0) {
        game_.Host().ShowStatus(tr("No pairs are due for review today").toStdString());
        return;
    }
    const QString pairs = due == 1 ? tr("1 pair is due for review today")
                                   : tr("%1 pairs are due for review today").arg(due);
    game_.Host().ShowStatus(tr("%1: Game > Today's Review (Ctrl+D)").arg(pairs).toStdString());
}

void TodaysReview::OnTodaysReview() {
    // What is due comes first: with nothing to deal, the game in play is not asked about.
    ProgressStore& store = learning_.Store();
    // The cap is kept with the progress, where the command line finds it too.
    const std::optional<double> cap = ReadSetting(store, Setting::ReviewPairs);
    const auto due = cap ? store.ScheduledPairs(learning_.Today(), static_cast<std::int64_t>(*cap))
                         : std::nullopt;
    if (!due) {
        game_.Host().ShowMessage(tr("Today's Review cannot be dealt.\nProgress cannot be read: %1")
                                     .arg(MessageText(store.Problem()))
                                     .toStdString());
        return;
    }
    if (due->empty()) {
        const std::optional<ReviewSummary> summary = Summary();
        const QString text =
            summary && summary->next
                ? tr("No pairs are due for review today.\nThe next are due on %1: %2.")
                      .arg(LongDate(summary->next->day), Pairs(summary->next->pairs))
                : tr("No pairs are due for review.\nThe pairs of each game you finish are "
                     "scheduled for review.");
        game_.Host().ShowMessage(text.toStdString());
        return;
    }
    // Like every other deal, it first asks about a game with changes not saved.
    game_.Replace([&due](GameDealer& dealer) { dealer.DealReview(*due); });
}
