#pragma once

#include "learning/progress_store.h"
#include "view/dialogs/memory_page.h"

#include <QDialog>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// What the Progress window shows of one list; `problem` is set when the store could not be read.
struct ListProgress {
    std::string description;
    std::vector<GameResult> games;
    std::vector<PairTotal> hardest;
    std::optional<Message> problem;
    // The review schedule of every list, as of today; nullopt when it could not be read.
    std::optional<ReviewSummary> review;
    Day today;
    MemoryProgress memory;
};

// A list's finished games over time (accuracy and seconds per game) and its hardest pairs,
// and the review forecast of every list, which says so; and on a page of its own, the memory
// model fitted to the learner's reviews.
// Play Hardest Pairs closes it with Accepted.
class CProgressDlg : public QDialog {
    Q_OBJECT
public:
    explicit CProgressDlg(const ListProgress& progress, QWidget* parent = nullptr);

    // Null when there is no game to chart.
    QChartView* Chart() const { return chart_; }
    // Pairs due on each of the next days; null without a schedule.
    QChartView* Forecast() const { return forecast_; }
    QLabel* Stages() const { return stages_; }
    QTreeWidget* Hardest() const { return hardest_; }
    QLabel* Note() const { return note_; }
    QPushButton* PlayButton() const { return play_; }
    QTabWidget* Pages() const { return pages_; }
    MemoryPage* Memory() const { return memory_; }

private:
    QChartView* chart_ = nullptr;
    QChartView* forecast_ = nullptr;
    QLabel* stages_ = nullptr;
    QTreeWidget* hardest_;
    QLabel* note_;
    QPushButton* play_;
    QTabWidget* pages_;
    MemoryPage* memory_;
};
