#include "view/dialogs/review_forecast.h"

#include "view/date_of_day.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDate>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

QChart* ReviewForecastChart(const ReviewSummary& summary, Day today) {
    auto* chart = new QChart;
    // The schedule is every list's, though the window shows one list's games.
    chart->setTitle(
        QObject::tr("Pairs of every list due for review in the next %1 days").arg(ForecastDays));
    chart->legend()->hide();
    auto* due = new QBarSet(QObject::tr("Pairs due"));
    std::int64_t most = 1;
    for (const std::int64_t pairs : summary.forecast) {
        due->append(static_cast<qreal>(pairs));
        most = std::max(most, pairs);
    }
    auto* series = new QBarSeries(chart);
    series->append(due);
    chart->addSeries(series);
    // Bars stand at their day's offset from today; a date per label would not fit.
    auto* dayAxis = new QValueAxis(chart);
    dayAxis->setRange(-0.5, ForecastDays - 0.5);
    dayAxis->setTickType(QValueAxis::TicksDynamic);
    dayAxis->setTickAnchor(0);
    dayAxis->setTickInterval(5);
    dayAxis->setLabelFormat(QStringLiteral("%d"));
    dayAxis->setTitleText(QObject::tr("Days from today (%1)")
                              .arg(QLocale().toString(DateOf(today), QLocale::ShortFormat)));
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
