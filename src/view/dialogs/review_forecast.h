#pragma once

#include "learning/progress_store.h"

#include <QString>

class QChart;

// Pairs of every list due on each of the next days from `today` as bars; the first bar counts
// the overdue.
QChart* ReviewForecastChart(const ReviewSummary& summary, Day today);

// "New: 3  Learning: 12  Due: 4  Mature: 20".
QString ReviewStagesText(const ReviewStages& stages);
