#include "view/dialogs/practice_dlg.h"

#include "view/board/word_font.h"
#include "view/dialogs/picture_label.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>

namespace {

// The keys whose repeats a held key would send; arrows may repeat.
bool OnePressKey(int key) {
    return (key >= Qt::Key_1 && key <= Qt::Key_4) || key == Qt::Key_Space ||
           key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool RoundKey(int key) {
    return OnePressKey(key) || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
           key == Qt::Key_Right;
}

} // namespace

QComboBox* CreateDirectionBox(RoundDirection current, QWidget* parent, bool listen) {
    auto* box = new QComboBox(parent);
    box->addItem(CPracticeDlg::tr("Word → translation"), static_cast<int>(RoundDirection::Forward));
    box->addItem(CPracticeDlg::tr("Translation → word"),
                 static_cast<int>(RoundDirection::Backward));
    box->addItem(CPracticeDlg::tr("Mixed"), static_cast<int>(RoundDirection::Mixed));
    if (listen) {
        box->addItem(CPracticeDlg::tr("Listen and type"), static_cast<int>(RoundDirection::Listen));
    }
    box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(current))));
    return box;
}

QString MnemonicOf(const QString& label) {
    for (qsizetype i = 0; i + 1 < label.size(); ++i) {
        if (label[i] == QLatin1Char('&')) {
            if (label[i + 1] != QLatin1Char('&')) {
                return label[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

QString WithMnemonic(const QString& label, QString& taken) {
    QString escaped = label;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar letter = escaped[i].toLower();
        if (letter.isLetter() && !taken.contains(letter)) {
            taken += letter;
            return escaped.insert(i, QLatin1Char('&'));
        }
    }
    return escaped;
}

CPracticeDlg::CPracticeDlg(PracticeRound& round, RandomSource& random, const QString& title,
                           QWidget* parent)
    : QDialog(parent), round_(round), random_(random) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    direction_ = CreateDirectionBox(round_.Direction(), this);
    form->addRow(tr("&Direction:"), direction_);
    layout->addLayout(form);

    place_ = new QLabel(this);
    layout->addWidget(place_);

    question_ = new QWidget(this);
    auto* question = new QVBoxLayout(question_);
    question->setContentsMargins(0, 0, 0, 0);
    word_ = new QLabel(question_);
    word_->setAlignment(Qt::AlignCenter);
    word_->setTextFormat(Qt::PlainText);
    word_->setMinimumHeight(RoundWordHeight * 2);
    question->addWidget(word_);
    picture_ = new QLabel(question_);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAccessibleName(tr("Picture"));
    question->addWidget(picture_);
    body_ = new QVBoxLayout;
    question->addLayout(body_);
    note_ = new QLabel(question_);
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    question->addWidget(note_);
    layout->addWidget(question_);

    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setVisible(false);
    layout->addWidget(summary_);
    layout->addStretch();

    buttons_ = new QDialogButtonBox(this);
    close_ = buttons_->addButton(tr("End Round"), QDialogButtonBox::RejectRole);
    connect(close_, &QPushButton::clicked, this, &CPracticeDlg::reject);
    connect(direction_, &QComboBox::activated, this, &CPracticeDlg::ChooseDirection);
    layout->addWidget(buttons_);

    // Keys reach the focused button or list first; the window sees them all here.
    qApp->installEventFilter(this);
    resize(520, 460);
}

QString CPracticeDlg::TakenMnemonics() const {
    return MnemonicOf(tr("&Direction:"));
}

void CPracticeDlg::ShowWord(QLabel& label, const std::string& word) {
    const QString text = QString::fromStdString(word);
    label.setFont(CreateWordFont(RoundWordHeight, ShapingFor(text)));
    label.setText(text);
}

void CPracticeDlg::Ask() {
    if (round_.Over()) {
        ShowSummary();
        return;
    }
    const RoundProgress progress = round_.Progress();
    place_->setText(tr("%1 of %2").arg(progress.question).arg(progress.questions));
    ShowWord(*word_, round_.Shown());
    word_->setVisible(!round_.Shown().empty());
    ShowPictureFile(*picture_, round_.ShownPicture(), RoundPictureSide);
    note_->clear();
    note_->setVisible(false);
    const QString spoken = ShowQuestion();
    emit Spoken(QStringLiteral("%1. %2").arg(place_->text(), spoken));
}

QString CPracticeDlg::ShowNote(const std::string& note) {
    note_->setText(QString::fromStdString(note));
    note_->setVisible(!note.empty());
    return note_->text();
}

bool CPracticeDlg::ClickFocusedButton() {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (!button || !button->isEnabled() || !button->isVisible()) {
        return false;
    }
    button->click();
    return true;
}

void CPracticeDlg::ShowSummary() {
    question_->setVisible(false);
    place_->setVisible(false);
    direction_->setEnabled(false);
    const QString text = SummaryText();
    summary_->setText(text);
    summary_->setVisible(true);
    close_->setText(tr("Close"));
    close_->setDefault(true);
    close_->setFocus();
    SummaryShown();
    emit Spoken(text);
}

void CPracticeDlg::ChooseDirection(int index) {
    const auto direction = static_cast<RoundDirection>(direction_->itemData(index).toInt());
    round_.SetDirection(direction, random_);
    emit DirectionChosen(direction);
    if (!Answered()) {
        Ask();
    }
}

void CPracticeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!asked_) {
        asked_ = true;
        Ask();
    }
}

void CPracticeDlg::reject() {
    if (summary_->isVisible()) {
        QDialog::reject();
        return;
    }
    round_.End(std::time(nullptr));
    ShowSummary();
}

bool CPracticeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return QDialog::eventFilter(watched, event);
    }
    // Only this window's own keys: a list's popup or another window keeps its digits.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) {
        return QDialog::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool repeat = heldKey_.IsRepeat(key);
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->type() != QEvent::KeyPress || !plain || !RoundKey(key.key())) {
        return QDialog::eventFilter(watched, event);
    }
    if (repeat && OnePressKey(key.key())) {
        return true;
    }
    return !summary_->isVisible() && Pressed(key.key());
}
