#pragma once

#include "learning/game_report.h"
#include "view/dialogs/held_key.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

// The end of a won game: its time and counters and the pairs the player had trouble with.
// Save Missed Pairs… keeps the window open; Play Missed Pairs closes it with Accepted, Type the
// Missed Pairs (after Today's Review: Type the Review Pairs) with TypePairs.
class CGameFinishedDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int TypePairs = 2;
    // Flashcards and Choose the Word on the same pairs as Type.
    static constexpr int FlashcardPairs = 3;
    static constexpr int ChoosePairs = 4;
    // Home: the home page comes forward, the board stays behind it.
    static constexpr int GoHome = 5;

    CGameFinishedDlg(const GameReport& report, std::function<void()> saveMissedPairs,
                     QWidget* parent = nullptr);

    QLabel* Summary() const { return summary_; }
    // One row per troubled pair; hidden when there is none.
    QTreeWidget* Pairs() const { return pairs_; }
    QPushButton* PlayButton() const { return play_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* TypeButton() const { return type_; }
    QPushButton* HomeButton() const { return home_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* summary_;
    QTreeWidget* pairs_;
    QPushButton* play_;
    QPushButton* save_;
    QPushButton* type_;
    QPushButton* home_;
    HeldKey heldKey_;
    bool rowAnnounced_ = false;
};
