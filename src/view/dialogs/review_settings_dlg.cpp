#include "view/dialogs/review_settings_dlg.h"

#include "learning/progress_store.h"
#include "view/dialogs/chart_palette.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace {
constexpr int RetentionDecimals = 2;
constexpr double RetentionStep = 0.01;

QString Percent(double share) {
    return QObject::tr("%1 %").arg(QLocale().toString(share * 100, 'f', 0));
}

QSpinBox* WholeBox(const NumberSetting& setting, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(static_cast<int>(setting.low), static_cast<int>(setting.high));
    box->setValue(value);
    return box;
}

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}
} // namespace

CReviewSettingsDlg::CReviewSettingsDlg(const ReviewSettingsStart& start, QWidget* parent)
    : QDialog(parent), start_(start) {
    setWindowTitle(tr("Review Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    retention_ = new QDoubleSpinBox(this);
    retention_->setDecimals(RetentionDecimals);
    retention_->setRange(MinimumRetention, MaximumRetention);
    retention_->setSingleStep(RetentionStep);
    retention_->setValue(start.choice.retention);
    retention_->setToolTip(tr("The share of pairs you want to recall when they come due: the "
                              "higher, the sooner each pair comes back."));
    form->addRow(tr("&Desired retention:"), retention_);
    reviewPairs_ = WholeBox(Setting::ReviewPairs, start.choice.reviewPairs, this);
    form->addRow(tr("Most pairs in one Today's &Review:"), reviewPairs_);
    dailyGoal_ = WholeBox(Setting::DailyGoal, start.choice.dailyGoal, this);
    dailyGoal_->setSuffix(tr(" pairs"));
    form->addRow(tr("Daily &goal:"), dailyGoal_);
    layout->addLayout(form);

    if (start.cost) {
        auto* chart = new QChart;
        chart->legend()->hide();
        chart->setTitle(
            tr("Reviews a day over the next %1 days, by desired retention").arg(ForecastDays));
        auto* curve = new QLineSeries(chart);
        double most = 1;
        for (double retention = MinimumRetention; retention <= MaximumRetention + 1e-9;
             retention += RetentionStep) {
            const double perDay = start.cost(retention);
            curve->append(retention * 100, perDay);
            most = std::max(most, perDay);
        }
        chart->addSeries(curve);
        chosen_ = new QScatterSeries(chart);
        chosen_->setMarkerSize(12);
        chart->addSeries(chosen_);
        auto* retentionAxis = new QValueAxis(chart);
        retentionAxis->setRange(MinimumRetention * 100, MaximumRetention * 100);
        retentionAxis->setLabelFormat(QStringLiteral("%d %%"));
        retentionAxis->setTitleText(tr("Desired retention"));
        chart->addAxis(retentionAxis, Qt::AlignBottom);
        auto* reviewAxis = new QValueAxis(chart);
        reviewAxis->setRange(0, most * 1.1);
        reviewAxis->setLabelFormat(QStringLiteral("%.0f"));
        reviewAxis->setTitleText(tr("Reviews a day"));
        chart->addAxis(reviewAxis, Qt::AlignLeft);
        for (QXYSeries* series :
             {static_cast<QXYSeries*>(curve), static_cast<QXYSeries*>(chosen_)}) {
            series->attachAxis(retentionAxis);
            series->attachAxis(reviewAxis);
        }
        chart_ = new QChartView(chart, this);
        chart_->setRenderHint(QPainter::Antialiasing);
        FollowPalette(*chart, palette());
        chart_->setMinimumSize(420, 240);
        chart_->setAccessibleName(tr("Reviews a day by desired retention"));
        layout->addWidget(chart_, 1);
    }
    cost_ = new QLabel(this);
    cost_->setWordWrap(true);
    layout->addWidget(cost_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(retention_, &QDoubleSpinBox::valueChanged, this, &CReviewSettingsDlg::ShowCost);
    ShowCost();
}

ReviewChoice CReviewSettingsDlg::Choice() const {
    ReviewChoice choice{retention_->value(), reviewPairs_->value(), dailyGoal_->value()};
    // The box shows fewer digits than a value set from the command line may have.
    if (retention_->value() ==
        retention_->valueFromText(retention_->textFromValue(start_.choice.retention))) {
        choice.retention = start_.choice.retention;
    }
    return choice;
}

void CReviewSettingsDlg::ShowCost() {
    if (!start_.cost) {
        cost_->setText(tr("The schedule cannot be read: %1").arg(start_.problem));
        return;
    }
    const double retention = retention_->value();
    const int perDay = Rounded(start_.cost(retention));
    QString text =
        tr("At %1 you can expect about %n review(s) a day over the next %2 days.", nullptr, perDay)
            .arg(Percent(retention))
            .arg(ForecastDays);
    const int more = perDay - Rounded(start_.cost(start_.choice.retention));
    if (more > 0) {
        text += ' ' + tr("That is %n more a day than at the %1 in use now.", nullptr, more)
                          .arg(Percent(start_.choice.retention));
    } else if (more < 0) {
        text += ' ' + tr("That is %n fewer a day than at the %1 in use now.", nullptr, -more)
                          .arg(Percent(start_.choice.retention));
    }
    cost_->setText(text);
    chosen_->replace(QList<QPointF>{QPointF(retention * 100, start_.cost(retention))});
}
