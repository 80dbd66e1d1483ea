#include "view/dialogs/progress_dlg.h"

#include "view/dialogs/chart_palette.h"

#include "learning/practice_deal.h"
#include "view/board/board_painter.h"
#include "view/board/message_text.h"
#include "view/dialogs/review_forecast.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {
QString LocalTime(std::int64_t seconds) {
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

QLineSeries* Series(const QString& name, QChart* chart) {
    auto* series = new QLineSeries(chart);
    series->setName(name);
    series->setPointsVisible(true);
    chart->addSeries(series);
    return series;
}

QChart* GamesChart(const std::vector<GameResult>& games) {
    auto* chart = new QChart;
    QLineSeries* accuracy = Series(QObject::tr("Accuracy (%)"), chart);
    QLineSeries* seconds = Series(QObject::tr("Seconds per game"), chart);
    std::int64_t longest = 1;
    for (const GameResult& game : games) {
        const qreal when = static_cast<qreal>(game.finishedAt) * 1000;
        if (const std::optional<double> share = Accuracy(game)) {
            accuracy->append(when, *share * 100);
        }
        seconds->append(when, static_cast<qreal>(game.seconds));
        longest = std::max(longest, game.seconds);
    }

    auto* time = new QDateTimeAxis(chart);
    time->setFormat(QStringLiteral("dd MMM hh:mm"));
    const std::int64_t first = games.front().finishedAt;
    const std::int64_t last = std::max(games.back().finishedAt, first + 60);
    time->setRange(QDateTime::fromSecsSinceEpoch(first), QDateTime::fromSecsSinceEpoch(last));
    time->setTickCount(static_cast<int>(std::clamp<std::size_t>(games.size(), 2, 5)));
    chart->addAxis(time, Qt::AlignBottom);

    auto* percent = new QValueAxis(chart);
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(percent, Qt::AlignLeft);
    auto* duration = new QValueAxis(chart);
    duration->setRange(0, static_cast<qreal>(longest) * 1.1);
    duration->setLabelFormat(QStringLiteral("%d s"));
    chart->addAxis(duration, Qt::AlignRight);

    accuracy->attachAxis(time);
    accuracy->attachAxis(percent);
    seconds->attachAxis(time);
    seconds->attachAxis(duration);
    return chart;
}

QTreeWidgetItem* RowOf(const PairTotal& pair) {
    auto* row = new QTreeWidgetItem({DecodeWord(pair.textA), DecodeWord(pair.textB),
                                     QString::number(pair.missed), QString::number(pair.seen),
                                     LocalTime(pair.lastMissed)});
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

// A practice game's description stays English, as it is saved; the window names the practice
// in the player's language.
QString DescriptionText(const std::string& description) {
    for (const char* practice : {TodaysReviewTitle, MissedPairsTitle, HardestPairsTitle}) {
        const std::string_view english(practice);
        const QString name = MessageText(Message(practice));
        if (description == english) {
            return name;
        }
        if (description.starts_with(english) &&
            description.substr(english.size()).starts_with(": ")) {
            return name + ": " + DecodeWord(description.substr(english.size() + 2));
        }
    }
    return DecodeWord(description);
}

QString NoteOn(const ListProgress& progress) {
    if (progress.problem) {
        return QObject::tr("Progress cannot be read: %1").arg(MessageText(*progress.problem));
    }
    if (progress.games.empty()) {
        return QObject::tr("No game of this list has been finished yet.");
    }
    return QObject::tr("Finished games of %1: %2")
        .arg(DescriptionText(progress.description))
        .arg(progress.games.size());
}
} // namespace

CProgressDlg::CProgressDlg(const ListProgress& progress, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Progress"));
    auto* outer = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    outer->addWidget(pages_, 1);
    auto* games = new QWidget(pages_);
    auto* layout = new QVBoxLayout(games);
    pages_->addTab(games, tr("&Games"));
    memory_ = new MemoryPage(progress.memory, pages_);
    pages_->addTab(memory_, tr("&Memory"));
    note_ = new QLabel(NoteOn(progress), this);
    note_->setWordWrap(true);
    layout->addWidget(note_);

    if (!progress.games.empty()) {
        chart_ = new QChartView(GamesChart(progress.games), this);
        chart_->setRenderHint(QPainter::Antialiasing);
        FollowPalette(*chart_->chart(), palette());
        chart_->setMinimumHeight(200);
        layout->addWidget(chart_, 1);
    }

    if (progress.review) {
        forecast_ = new QChartView(ReviewForecastChart(*progress.review, progress.today), this);
        forecast_->setRenderHint(QPainter::Antialiasing);
        FollowPalette(*forecast_->chart(), palette());
        forecast_->setMinimumHeight(180);
        forecast_->setAccessibleName(tr("Review forecast of every list"));
        layout->addWidget(forecast_, 1);
        stages_ = new QLabel(ReviewStagesText(progress.review->stages), this);
        layout->addWidget(stages_);
    }

    hardest_ = new QTreeWidget(this);
    hardest_->setRootIsDecorated(false);
    hardest_->setHeaderLabels(
        {tr("Word"), tr("Partner"), tr("Misses"), tr("Games"), tr("Last missed")});
    for (const PairTotal& pair : progress.hardest) {
        hardest_->addTopLevelItem(RowOf(pair));
    }
    for (int column = 0; column < hardest_->columnCount(); ++column) {
        hardest_->resizeColumnToContents(column);
    }
    hardest_->setVisible(!progress.hardest.empty());
    layout->addWidget(hardest_, 1);

    auto* buttons = new QDialogButtonBox(this);
    play_ = buttons->addButton(tr("Play Hardest Pairs"), QDialogButtonBox::AcceptRole);
    play_->setEnabled(!progress.hardest.empty());
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    connect(play_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    outer->addWidget(buttons);
    // The Memory page needs room for its scores whatever the games page holds.
    const int wanted =
        std::max((progress.games.empty() ? 160 : 620) + (progress.review ? 280 : 0), 400);
    // Both charts and the list do not fit a laptop's screen at their full height.
    const int room = screen()->availableGeometry().height() * 9 / 10;
    resize(720, std::min(wanted, room));
}
