#pragma once

#include "learning/game_report.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

// The end of a won game: its time and counters and the pairs the player had trouble with.
// Save Missed Pairs… keeps the window open; Play Missed Pairs closes it with Accepted.
class CGameFinishedDlg : public QDialog {
    Q_OBJECT
public:
    CGameFinishedDlg(const GameReport& report, std::function<void()> saveMissedPairs,
                     QWidget* parent = nullptr);

    QLabel* Summary() const { return summary_; }
    // One row per troubled pair; hidden when there is none.
    QTreeWidget* Pairs() const { return pairs_; }
    QPushButton* PlayButton() const { return play_; }
    QPushButton* SaveButton() const { return save_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* summary_;
    QTreeWidget* pairs_;
    QPushButton* play_;
    QPushButton* save_;
};
