#include "view/dialogs/flashcard_dlg.h"

#include "learning/game_report.h"
#include "view/board/message_text.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>

namespace {

::Grade GradeAt(std::size_t index) {
    return static_cast<::Grade>(index + 1);
}

} // namespace

CFlashcardDlg::CFlashcardDlg(FlashcardRound& round, RandomSource& random, QWidget* parent)
    : CPracticeDlg(round, random, tr("Flashcards"), parent), round_(round) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    Body()->addWidget(line);
    back_ = new QLabel(this);
    back_->setAlignment(Qt::AlignCenter);
    back_->setTextFormat(Qt::PlainText);
    back_->setMinimumHeight(back_->fontMetrics().lineSpacing() * 4);
    Body()->addWidget(back_);

    turn_ = new QPushButton(tr("&Turn the Card"), this);
    turn_->setDefault(true);
    connect(turn_, &QPushButton::clicked, this, &CFlashcardDlg::Turn);
    Body()->addWidget(turn_);
    auto* grades = new QHBoxLayout;
    for (std::size_t i = 0; i < grades_.size(); ++i) {
        grades_[i] = new QPushButton(this);
        connect(grades_[i], &QPushButton::clicked, this, [this, i] { Grade(static_cast<int>(i)); });
        grades->addWidget(grades_[i]);
    }
    Body()->addLayout(grades);

    typeAgain_ = Buttons()->addButton(tr("Type the &Again Cards"), QDialogButtonBox::ActionRole);
    typeAgain_->setVisible(false);
    connect(typeAgain_, &QPushButton::clicked, this, [this] { done(TypeAgainCards); });
}

QString CFlashcardDlg::ShowQuestion() {
    if (round_.Turned()) {
        ShowBack();
        return QStringLiteral("%1. %2").arg(Word()->text(), back_->text());
    }
    back_->clear();
    back_->setAccessibleName(QString());
    ShowGrades(false);
    turn_->setEnabled(true);
    turn_->setFocus();
    return Word()->text();
}

void CFlashcardDlg::Turn() {
    if (round_.Over() || round_.Turned()) {
        return;
    }
    round_.Turn();
    ShowBack();
    QStringList spoken{back_->text()};
    if (!Note()->text().isEmpty()) {
        spoken << Note()->text();
    }
    for (const QPushButton* grade : grades_) {
        spoken << grade->accessibleName();
    }
    emit Spoken(spoken.join(QStringLiteral(". ")));
    emit BackShown(round_.Expected(), !round_.ShowsTextA());
}

void CFlashcardDlg::ShowBack() {
    ShowWord(*back_, round_.Expected());
    back_->setAccessibleName(tr("Answer: %1").arg(back_->text()));
    ShowNote(round_.NoteNow());
    ShowGrades(true);
    turn_->setEnabled(false);
    grades_[2]->setFocus();
}

void CFlashcardDlg::ShowGrades(bool enabled) {
    // The mnemonics go to letters the window's other controls leave free.
    QString taken = TakenMnemonics() + MnemonicOf(turn_->text());
    const std::array<int, 4> days = round_.Intervals();
    for (std::size_t i = 0; i < grades_.size(); ++i) {
        const QString label = MessageText(IntervalLabel(GradeAt(i), days[i]));
        grades_[i]->setText(WithMnemonic(label, taken));
        grades_[i]->setAccessibleName(QStringLiteral("%1 %2").arg(i + 1).arg(label));
        grades_[i]->setEnabled(enabled);
    }
}

void CFlashcardDlg::Grade(int grade) {
    if (round_.GradeCard(GradeAt(static_cast<std::size_t>(grade)), std::time(nullptr))) {
        Ask();
    }
}

QString CFlashcardDlg::SummaryText() const {
    const RoundSummary summary = round_.Summary();
    return tr("The round is over: %n card(s).", nullptr, summary.pairs) +
           tr("\n\nAgain: %1\nHard: %2\nGood: %3\nEasy: %4\nTime: %5")
               .arg(summary.grades[0])
               .arg(summary.grades[1])
               .arg(summary.grades[2])
               .arg(summary.grades[3])
               .arg(QString::fromStdString(Duration(summary.seconds)));
}

void CFlashcardDlg::SummaryShown() {
    // Hidden grade buttons would still answer their mnemonics.
    for (QPushButton* grade : grades_) {
        grade->setText(QString());
    }
    typeAgain_->setVisible(std::ranges::any_of(round_.Answered(), [](const PracticedPair& pair) {
        return pair.first == ::Grade::Again || pair.retry == ::Grade::Again;
    }));
}

bool CFlashcardDlg::Pressed(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        // Before the card is turned a grade would be a guess.
        Grade(key - Qt::Key_1);
        return true;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!round_.Turned()) {
            Turn();
            return true;
        }
        return ClickFocusedButton();
    }
    return false;
}
