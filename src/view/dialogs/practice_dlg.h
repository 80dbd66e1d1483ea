#pragma once

#include "learning/practice_round.h"
#include "view/dialogs/held_key.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QVBoxLayout;
class RandomSource;

// The list of directions a round's window offers, on `current`; `listen` offers dictation too.
QComboBox* CreateDirectionBox(RoundDirection current, QWidget* parent, bool listen = false);

// The letter after the single & of a label, lower case; "" without one.
QString MnemonicOf(const QString& label);
// `label` with a mnemonic on its first letter that `taken` does not hold yet, which it then
// holds; unmarked when every letter is taken.
QString WithMnemonic(const QString& label, QString& taken);

// What the flashcard and choice windows share: the direction, the question's place in the
// round, the word asked in the tile font with its picture, the note once answered, and the
// summary that the last answer or Escape leads to; Escape or Enter then closes. A held 1 to 4,
// Space or Enter acts once.
class CPracticeDlg : public QDialog {
    Q_OBJECT
public:
    QComboBox* DirectionBox() const { return direction_; }
    QLabel* Place() const { return place_; }
    QLabel* Word() const { return word_; }
    QLabel* Picture() const { return picture_; }
    QLabel* Note() const { return note_; }
    QLabel* Summary() const { return summary_; }

signals:
    void DirectionChosen(RoundDirection direction);
    // What a screen reader should say now: the question, the answer, the summary.
    void Spoken(const QString& text);

protected:
    CPracticeDlg(PracticeRound& round, RandomSource& random, const QString& title, QWidget* parent);

    // The round's own controls, between the word and the note.
    QVBoxLayout* Body() const { return body_; }
    QDialogButtonBox* Buttons() const { return buttons_; }
    // The mnemonics the shared controls use.
    QString TakenMnemonics() const;

    // Shows the question now, or the summary once the round is over.
    void Ask();
    // Shows the round's part of the question now; returns what a screen reader is to hear of
    // it after the word.
    virtual QString ShowQuestion() = 0;
    // The pair answered: its note shown. Returns the note for a screen reader, "" without one.
    QString ShowNote(const std::string& note);
    // After a new direction: the question now is asked again unless it was answered.
    virtual bool Answered() const = 0;
    virtual QString SummaryText() const = 0;
    virtual void SummaryShown() {}
    // A press of 1 to 4, Space, Enter or an arrow, held ones once; true when taken.
    virtual bool Pressed(int key) = 0;
    // Space or Enter on the button with the focus; false when none has it.
    bool ClickFocusedButton();
    // The words of the round in the tile font.
    static void ShowWord(QLabel& label, const std::string& word);

    // The first question is asked once the window is up, where a screen reader hears it.
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSummary();
    void ChooseDirection(int index);

    PracticeRound& round_;
    RandomSource& random_;
    QComboBox* direction_;
    QLabel* place_;
    QWidget* question_;
    QLabel* word_;
    QLabel* picture_;
    QVBoxLayout* body_;
    QLabel* note_;
    QLabel* summary_;
    QDialogButtonBox* buttons_;
    QPushButton* close_;
    HeldKey heldKey_;
    bool asked_ = false;
};
