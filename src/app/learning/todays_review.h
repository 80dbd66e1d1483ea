#pragma once

#include "learning/progress_store.h"

#include <QObject>

class GameInPlay;
class GameLearning;
class QLabel;

// Game > Today's Review and what tells the player about it: a note at start when pairs are
// due, and a status pane with today's count.
class TodaysReview : public QObject {
    Q_OBJECT
public:
    // `pane` shows today's count; the frame places it.
    TodaysReview(GameInPlay& game, GameLearning& learning, QLabel& pane);

    QLabel* DuePane() const { return pane_; }

public slots:
    // Deals the pairs due today or earlier from every list, most overdue first, or says why
    // there is nothing to deal.
    void OnTodaysReview();
    // At start: says how many pairs are due, or why progress is not kept.
    void NoteDuePairs();
    // Shows today's count in the status pane.
    void Refresh();
    // The schedule was made anew (a fit adopted): the note at start counted by the old one.
    void Rescheduled();

private:
    // Today's schedule, or nullopt (the pane says so) when it cannot be read.
    std::optional<ReviewSummary> Summary();
    void SayDue(std::int64_t due);

    GameInPlay& game_;
    GameLearning& learning_;
    QLabel* pane_;
};
