#pragma once

#include "view/dialogs/memory_page.h"

#include <QObject>

#include <atomic>
#include <memory>

class GameInPlay;
class GameLearning;
class QThread;

// What the Memory page of Tools > Progress shows of `learning`'s store, and how it fits again
// on a store of its own.
MemoryProgress MemoryProgressOf(GameLearning& learning);

// Tools > Review Settings, and the fit of the memory model that runs by itself at start.
class ReviewMemory : public QObject {
    Q_OBJECT
public:
    ReviewMemory(GameInPlay& game, GameLearning& learning);
    // A fit still running is stopped, and keeps nothing.
    ~ReviewMemory() override;

    bool Fitting() const { return worker_ != nullptr; }

public slots:
    void OnReviewSettings();
    // Fits on a worker thread when the last fit is a month old and enough new reviews have come;
    // a note tells when the fitted parameters were adopted.
    void FitIfDue();

signals:
    // The retention changed every schedule, or a fit did.
    void ScheduleChanged();
    // The fit at start is over, whether it ran or not.
    void AutomaticFitEnded();

private:
    void AutomaticFitDone();

    GameInPlay& game_;
    GameLearning& learning_;
    QThread* worker_ = nullptr;
    std::atomic<bool> stop_ = false;
    std::shared_ptr<StoredLogFit> result_;
};
