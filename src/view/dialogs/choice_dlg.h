#pragma once

#include "learning/choice_round.h"
#include "view/dialogs/practice_dlg.h"

#include <vector>

// Choose the Word: the word asked and up to four answers, chosen by the keys 1 to 4, by the
// arrows and Enter, or by a click. The verdict shows the answer chosen and the right one; Enter,
// Space or Next goes on.
class CChoiceDlg : public CPracticeDlg {
    Q_OBJECT
public:
    CChoiceDlg(ChoiceRound& round, RandomSource& random, QWidget* parent = nullptr);

    QLabel* Prompt() const { return prompt_; }
    // The answers offered now, 1 to 4.
    const std::vector<QPushButton*>& AnswerButtons() const { return answers_; }
    QLabel* Verdict() const { return verdict_; }
    QPushButton* NextButton() const { return next_; }

signals:
    // After each choice: the right answer, of side TextA or TextB, for speech.
    void RightAnswerShown(const std::string& word, bool textA);

protected:
    QString ShowQuestion() override;
    bool Answered() const override { return answered_; }
    QString SummaryText() const override;
    bool Pressed(int key) override;

private:
    void Choose(std::size_t option);
    // Moves the focus from an answer `step` answers on, round the ends; false when no answer
    // has it.
    bool MoveFocus(int step);

    ChoiceRound& round_;
    QLabel* prompt_;
    std::vector<QPushButton*> answers_;
    QLabel* verdict_;
    QPushButton* next_;
    bool answered_ = false;
};
