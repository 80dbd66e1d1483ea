#pragma once

#include "learning/review_scheduler.h"
#include "learning/stored_settings.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QChartView;
class QDoubleSpinBox;
class QLabel;
class QScatterSeries;
class QSpinBox;

// What Tools > Review Settings chooses.
struct ReviewChoice {
    double retention = Setting::Retention.fallback;
    int reviewPairs = static_cast<int>(Setting::ReviewPairs.fallback);
    int dailyGoal = static_cast<int>(Setting::DailyGoal.fallback);
};

// The reviews a day the scheduled pairs are expected to ask for at a retention.
using ReviewCost = std::function<double(double retention)>;

struct ReviewSettingsStart {
    ReviewChoice choice;
    // Empty when the schedule could not be read.
    ReviewCost cost;
    // Why the progress database could not be read.
    QString problem;
};

// The retention, the pairs of one Today's Review and the daily goal, with what the retention
// costs in reviews a day: a curve over every retention and the chosen one said in words.
class CReviewSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReviewSettingsDlg(const ReviewSettingsStart& start, QWidget* parent = nullptr);

    // A retention left as it was shown keeps its value to the last digit.
    ReviewChoice Choice() const;

    QDoubleSpinBox* Retention() const { return retention_; }
    QSpinBox* ReviewPairs() const { return reviewPairs_; }
    QSpinBox* DailyGoal() const { return dailyGoal_; }
    QLabel* Cost() const { return cost_; }
    // Null without a schedule.
    QChartView* Chart() const { return chart_; }

private:
    void ShowCost();

    ReviewSettingsStart start_;
    QDoubleSpinBox* retention_;
    QSpinBox* reviewPairs_;
    QSpinBox* dailyGoal_;
    QLabel* cost_;
    QChartView* chart_ = nullptr;
    QScatterSeries* chosen_ = nullptr;
};
