#include "view/dialogs/memory_page.h"

#include "view/board/message_text.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QThread>
#include <QVBoxLayout>

namespace {
constexpr int ScoreDecimals = 4;

QString Number(double value) {
    return QLocale().toString(value, 'f', ScoreDecimals);
}

QString DateOf(std::int64_t seconds) {
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat);
}

QString ScoreCell(const std::optional<PredictionScore>& score, double PredictionScore::*part) {
    return score ? Number((*score).*part) : QStringLiteral("–");
}

QString InUseText(const KeptFits& fits) {
    if (!fits.inUse) {
        return QObject::tr("In use: the default parameters, the average of many learners.");
    }
    return QObject::tr("In use: parameters fitted on %1 to %n review(s).", nullptr,
                       static_cast<int>(fits.inUse->reviews))
        .arg(DateOf(fits.inUse->fittedAt));
}

QString ParametersText(const KeptFits& fits) {
    const MemoryWeights& weights = fits.inUse ? fits.inUse->weights : DefaultWeights;
    QStringList numbers;
    for (const double weight : weights) {
        numbers.append(Number(weight));
    }
    return numbers.join(QStringLiteral("  "));
}

QString ScoresText(const KeptFits& fits) {
    if (!fits.latest) {
        return QObject::tr("No fit has been made yet.");
    }
    const KeptFit& last = *fits.latest;
    QString text =
        QObject::tr("The last fit, on %1, was judged on %n review(s):", nullptr,
                    static_cast<int>(last.reviews))
            .arg(DateOf(last.fittedAt)) +
        QStringLiteral("<table cellpadding=\"3\"><tr><th></th><th align=\"right\">%1</th>"
                       "<th align=\"right\">%2</th></tr>")
            .arg(QObject::tr("Default"), QObject::tr("Fitted"));
    for (const auto& [name, part] :
         {std::pair(QObject::tr("Log loss"), &PredictionScore::logLoss),
          std::pair(QObject::tr("RMSE (bins)"), &PredictionScore::rmseBins)}) {
        text += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td>"
                               "<td align=\"right\">%3</td></tr>")
                    .arg(name, ScoreCell(last.defaults, part), ScoreCell(last.fitted, part));
    }
    text += QStringLiteral("</table>");
    if (!last.adopted) {
        text += QObject::tr("It predicted no better than the parameters in use, which stayed.");
    }
    return text;
}
} // namespace

QString FitOutcomeText(const StoredLogFit& result) {
    if (result.problem) {
        return QObject::tr("The fit failed: %1").arg(MessageText(*result.problem));
    }
    if (!result.fit) {
        return QObject::tr("The fit was stopped; the parameters in use stay.");
    }
    const MemoryFit& fit = *result.fit;
    if (!result.kept || !fit.fitted || !fit.before) {
        return QObject::tr("There is nothing to fit to yet: a pair needs a review a day or more "
                           "after the one before.");
    }
    const int reviews = static_cast<int>(fit.reviews);
    if (result.adopted) {
        return QObject::tr("The fitted parameters predict your %n review(s) better (log loss %1 "
                           "instead of %2) and are now in use: every schedule follows them.",
                           nullptr, reviews)
            .arg(Number(fit.fitted->logLoss), Number(fit.before->logLoss));
    }
    return QObject::tr("The fitted parameters predict your %n review(s) no better than those in "
                       "use (log loss %1 against %2), so those stay.",
                       nullptr, reviews)
        .arg(Number(fit.fitted->logLoss), Number(fit.before->logLoss));
}

MemoryPage::MemoryPage(MemoryProgress memory, QWidget* parent)
    : QWidget(parent), memory_(std::move(memory)) {
    auto* layout = new QVBoxLayout(this);
    inUse_ = new QLabel(this);
    inUse_->setWordWrap(true);
    layout->addWidget(inUse_);
    parameters_ = new QLabel(this);
    parameters_->setWordWrap(true);
    parameters_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    parameters_->setAccessibleName(tr("Parameters in use"));
    layout->addWidget(parameters_);
    scores_ = new QLabel(this);
    scores_->setWordWrap(true);
    layout->addWidget(scores_);
    layout->addStretch(1);

    outcome_ = new QLabel(this);
    outcome_->setWordWrap(true);
    layout->addWidget(outcome_);
    auto* row = new QHBoxLayout;
    fitNow_ = new QPushButton(tr("&Fit Now"), this);
    fitNow_->setToolTip(tr("Fits the memory model to your own reviews."));
    fitNow_->setEnabled(static_cast<bool>(memory_.fit));
    row->addWidget(fitNow_);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setAccessibleName(tr("Fit progress"));
    row->addWidget(progress_, 1);
    cancel_ = new QPushButton(tr("&Cancel Fit"), this);
    cancel_->setEnabled(false);
    row->addWidget(cancel_);
    layout->addLayout(row);

    connect(fitNow_, &QPushButton::clicked, this, &MemoryPage::FitNow);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (stop_) {
            stop_->store(true);
        }
        cancel_->setEnabled(false);
    });
    ShowFits();
}

MemoryPage::~MemoryPage() {
    if (worker_) {
        stop_->store(true);
        worker_->wait();
    }
}

void MemoryPage::ShowFits() {
    if (!memory_.fits) {
        inUse_->setText(tr("Progress cannot be read: %1")
                            .arg(memory_.problem ? MessageText(*memory_.problem) : QString()));
        parameters_->clear();
        scores_->clear();
        return;
    }
    inUse_->setText(InUseText(*memory_.fits));
    parameters_->setText(ParametersText(*memory_.fits));
    scores_->setText(ScoresText(*memory_.fits));
}

void MemoryPage::FitNow() {
    if (worker_) {
        return;
    }
    stop_ = std::make_shared<std::atomic<bool>>(false);
    result_ = std::make_shared<StoredLogFit>();
    fitNow_->setEnabled(false);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    outcome_->setText(tr("Fitting…"));
    // The bar is told only when its percentage changes, not at every batch.
    auto shown = std::make_shared<std::atomic<int>>(0);
    FitProgress progress = [this, stop = stop_, shown](std::int64_t done, std::int64_t total) {
        const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 0;
        if (shown->exchange(percent) != percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { progress_->setValue(percent); }, Qt::QueuedConnection);
        }
        return !stop->load();
    };
    worker_ = QThread::create(
        [fit = memory_.fit, result = result_, progress] { *result = fit(progress); });
    // Owned, so that a page closed before the fit's end still frees its thread.
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, &MemoryPage::Finish);
    worker_->start();
}

void MemoryPage::Finish() {
    worker_->deleteLater();
    worker_ = nullptr;
    if (result_->fit) {
        progress_->setValue(100);
    }
    outcome_->setText(FitOutcomeText(*result_));
    if (memory_.reload && result_->kept) {
        memory_.fits = memory_.reload();
        ShowFits();
    }
    fitNow_->setEnabled(true);
    cancel_->setEnabled(false);
    emit FitEnded();
}
