#include "view/review_forecast.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDate>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

namespace {
QDate DateOf(Day day) {
    const std::chrono::year_month_day date(day);
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                 static_cast<int>(unsigned(date.day())));
}
} // namespace

QChart* ReviewForecastChart(const ReviewSummary& summary, Day today) {
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("Pairs due for review in the next %1 days").arg(ForecastDays));
    chart->legend()->hide();
    auto* due = new QBarSet(QObject::tr("Pairs due"));
    QStringList days;
    std::int64_t most = 1;
    for (int offset = 0; offset < ForecastDays; ++offset) {
        const std::int64_t pairs = summary.forecast[static_cast<std::size_t>(offset)];
        due->append(static_cast<qreal>(pairs));
        most = std::max(most, pairs);
        // Every few days a date, so the labels stay readable.
        days.append(offset % 5 == 0 ? QLocale().toString(DateOf(today + std::chrono::days(offset)),
                                                         QStringLiteral("d MMM"))
                                    : QString(offset, QLatin1Char(' ')));
    }
    auto* series = new QBarSeries(chart);
    series->append(due);
    chart->addSeries(series);
    auto* dayAxis = new QBarCategoryAxis(chart);
    dayAxis->append(days);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    series->attachAxis(dayAxis);
    auto* countAxis = new QValueAxis(chart);
    countAxis->setRange(0, static_cast<qreal>(most));
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->setTickCount(static_cast<int>(std::min<std::int64_t>(most, 5)) + 1);
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(countAxis);
    return chart;
}

QString ReviewStagesText(const ReviewStages& stages) {
    return QObject::tr("New: %1   Learning: %2   Due: %3   Mature: %4")
        .arg(stages.newPairs)
        .arg(stages.learning)
        .arg(stages.due)
        .arg(stages.mature);
}
