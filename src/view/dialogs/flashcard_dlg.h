#pragma once

#include "learning/flashcard_round.h"
#include "view/dialogs/practice_dlg.h"

#include <array>

// Flashcards: one card at a time, turned by Space, Enter or Turn the Card, then graded Again,
// Hard, Good or Easy by the buttons, their mnemonics or the keys 1 to 4; each button says when
// the card comes back after it. The summary counts the grades and offers to type the cards
// graded Again, which closes the window with TypeAgainCards.
class CFlashcardDlg : public CPracticeDlg {
    Q_OBJECT
public:
    static constexpr int TypeAgainCards = 2;

    CFlashcardDlg(FlashcardRound& round, RandomSource& random, QWidget* parent = nullptr);

    QLabel* Back() const { return back_; }
    QPushButton* TurnButton() const { return turn_; }
    // Again, Hard, Good, Easy.
    QPushButton* GradeButton(int grade) const { return grades_[static_cast<std::size_t>(grade)]; }
    QPushButton* TypeAgainButton() const { return typeAgain_; }

signals:
    // The back of a card is shown: its word, of side TextA or TextB, for speech.
    void BackShown(const std::string& word, bool textA);

protected:
    QString ShowQuestion() override;
    bool Answered() const override { return false; }
    QString SummaryText() const override;
    void SummaryShown() override;
    bool Pressed(int key) override;

private:
    void Turn();
    void Grade(int grade);
    void ShowBack();
    // The grade buttons with the card's intervals, to be pressed once it is turned.
    void ShowGrades(bool enabled);

    FlashcardRound& round_;
    QLabel* back_;
    QPushButton* turn_;
    std::array<QPushButton*, 4> grades_{};
    QPushButton* typeAgain_;
};
