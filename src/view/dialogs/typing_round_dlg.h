#pragma once

#include "learning/typing_round.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RandomSource;

// Type the Words: shows one word large and takes its partner in a line; Enter checks, shows the
// verdict and the right answer, and Enter again goes on. Escape ends the round early and shows
// the summary, as the round's end does; Escape or Enter then closes.
class CTypingRoundDlg : public QDialog {
    Q_OBJECT
public:
    // The round is the caller's, to record once the window has closed; `random` picks the sides
    // when the direction changes.
    CTypingRoundDlg(TypingRound& round, RandomSource& random, QWidget* parent = nullptr);

    QComboBox* DirectionBox() const { return direction_; }
    QLabel* Word() const { return word_; }
    // The shown side's picture, hidden when it has none.
    QLabel* Picture() const { return picture_; }
    QLineEdit* AnswerLine() const { return answer_; }
    QLabel* Verdict() const { return verdict_; }
    QLabel* Summary() const { return summary_; }
    QLabel* ProgressLabel() const { return progress_; }
    // "I was right", offered after a Wrong.
    QPushButton* OverruleButton() const { return overrule_; }
    // Plays the question again while the round listens.
    QPushButton* ListenButton() const { return listen_; }

signals:
    // After each answer: the right answer, of side TextA or TextB, for speech.
    void RightAnswerShown(const std::string& word, bool textA);
    void DirectionChosen(RoundDirection direction);
    // While the round listens, the side to hear: its recording `file` ("" for none), else its
    // `word`, of side TextA or TextB.
    void ListenAsked(const std::string& file, const std::string& word, bool textA);
    // What a screen reader should say now: the word asked, the verdict with the right answer,
    // the summary. The first word is asked before anyone listens; the answer line, which has
    // the focus when the window opens, carries it in its description.
    void Spoken(const QString& text);

protected:
    void reject() override;

private:
    void Ask();
    void OnEnter();
    void Check();
    void Overrule();
    void Listen();
    void ShowSummary();
    void ChooseDirection(int index);

    TypingRound& round_;
    RandomSource& random_;
    QComboBox* direction_;
    QLabel* progress_;
    QLabel* prompt_;
    QLabel* word_;
    QLabel* picture_;
    QLineEdit* answer_;
    QLabel* verdict_;
    QLabel* summary_;
    QPushButton* go_;
    QPushButton* overrule_;
    QPushButton* listen_;
    QPushButton* close_;
    bool showingVerdict_ = false;
};
