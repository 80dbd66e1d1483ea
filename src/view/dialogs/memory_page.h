#pragma once

#include "learning/stored_memory.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// What the Memory page shows, and how it fits again.
struct MemoryProgress {
    // Nullopt when the store could not be read; `problem` says why.
    std::optional<KeptFits> fits;
    std::optional<Message> problem;
    // Fits on the review log and keeps the result; it runs on a thread of its own, so it must
    // not touch the store the window uses. Empty when the store cannot be shared with a thread.
    std::function<StoredLogFit(const FitProgress&)> fit;
    // The fits kept, read again once a fit is done.
    std::function<std::optional<KeptFits>()> reload;
};

// The memory model's parameters in use, how well they and the defaults predict the learner's
// reviews, and Fit Now, which fits on a worker thread with a progress bar and a Cancel that
// keeps nothing.
class MemoryPage : public QWidget {
    Q_OBJECT
public:
    explicit MemoryPage(MemoryProgress memory, QWidget* parent = nullptr);
    // A fit still running is stopped, and keeps nothing.
    ~MemoryPage() override;

    QLabel* InUse() const { return inUse_; }
    QLabel* Parameters() const { return parameters_; }
    QLabel* Scores() const { return scores_; }
    QLabel* Outcome() const { return outcome_; }
    QPushButton* FitButton() const { return fitNow_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* Progress() const { return progress_; }
    bool Fitting() const { return worker_ != nullptr; }

signals:
    // A fit ended, kept, stopped or failed.
    void FitEnded();

private:
    void ShowFits();
    void FitNow();
    void Finish();

    MemoryProgress memory_;
    QLabel* inUse_;
    QLabel* parameters_;
    QLabel* scores_;
    QLabel* outcome_;
    QPushButton* fitNow_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::shared_ptr<StoredLogFit> result_;
};

// What a fit came to, in words.
QString FitOutcomeText(const StoredLogFit& result);
