#include "view/dialogs/typing_round_dlg.h"

#include "learning/game_report.h"
#include "view/board/word_font.h"
#include "view/dialogs/picture_label.h"
#include "view/dialogs/practice_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <ctime>

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString VerdictText(const AnswerCheck& check) {
    switch (check.verdict) {
    case AnswerVerdict::Right:
        return CTypingRoundDlg::tr("Right");
    // The answer follows on a line of its own.
    case AnswerVerdict::RightButAccents:
        return CTypingRoundDlg::tr("Mind the accents");
    case AnswerVerdict::Almost:
        return CTypingRoundDlg::tr("Almost");
    case AnswerVerdict::Wrong:
        break;
    }
    return CTypingRoundDlg::tr("Wrong");
}

// The typed answer with the letters that differ from the right one in red and underlined.
QString MarkedHtml(const std::string& typed, const std::string& closest) {
    QString html;
    for (const AnswerRun& run : MarkAnswer(typed, closest)) {
        const QString text = Text(run.text).toHtmlEscaped();
        html += run.differs ? QStringLiteral("<b><u style=\"color:#c00000\">%1</u></b>").arg(text)
                            : text;
    }
    return html;
}

} // namespace

CTypingRoundDlg::CTypingRoundDlg(TypingRound& round, RandomSource& random, QWidget* parent)
    : QDialog(parent), round_(round), random_(random) {
    setWindowTitle(tr("Type the Words"));
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    direction_ = CreateDirectionBox(round_.Direction(), this, true);
    form->addRow(tr("&Direction:"), direction_);
    layout->addLayout(form);

    progress_ = new QLabel(this);
    progress_->setAlignment(Qt::AlignRight);
    layout->addWidget(progress_);
    prompt_ = new QLabel(this);
    layout->addWidget(prompt_);
    word_ = new QLabel(this);
    word_->setAlignment(Qt::AlignCenter);
    word_->setTextFormat(Qt::PlainText);
    word_->setMinimumHeight(RoundWordHeight * 2);
    layout->addWidget(word_);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAccessibleName(tr("Picture"));
    picture_->setVisible(false);
    layout->addWidget(picture_);

    answer_ = new QLineEdit(this);
    answer_->setAccessibleName(tr("Your answer"));
    layout->addWidget(answer_);

    verdict_ = new QLabel(this);
    verdict_->setTextFormat(Qt::RichText);
    verdict_->setMinimumHeight(verdict_->fontMetrics().lineSpacing() * 3);
    layout->addWidget(verdict_);

    summary_ = new QLabel(this);
    summary_->setVisible(false);
    layout->addWidget(summary_);
    layout->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    listen_ = buttons->addButton(tr("&Listen again"), QDialogButtonBox::ActionRole);
    // Its click must not take the Enter of the answer line.
    listen_->setAutoDefault(false);
    go_ = buttons->addButton(tr("Check"), QDialogButtonBox::ActionRole);
    overrule_ = buttons->addButton(tr("&I was right"), QDialogButtonBox::ActionRole);
    overrule_->setVisible(false);
    close_ = buttons->addButton(tr("End Round"), QDialogButtonBox::RejectRole);
    go_->setDefault(true);
    connect(overrule_, &QPushButton::clicked, this, &CTypingRoundDlg::Overrule);
    connect(listen_, &QPushButton::clicked, this, &CTypingRoundDlg::Listen);
    // Enter goes to the default button from the answer line and from the direction list.
    connect(go_, &QPushButton::clicked, this, &CTypingRoundDlg::OnEnter);
    connect(close_, &QPushButton::clicked, this, &CTypingRoundDlg::reject);
    connect(direction_, &QComboBox::activated, this, &CTypingRoundDlg::ChooseDirection);
    layout->addWidget(buttons);

    resize(480, 360);
    Ask();
}

void CTypingRoundDlg::Ask() {
    showingVerdict_ = false;
    if (round_.Over()) {
        ShowSummary();
        return;
    }
    const RoundProgress progress = round_.Progress();
    progress_->setText(tr("%1 of %2").arg(progress.question).arg(progress.questions));
    overrule_->setVisible(false);
    const QString word = Text(round_.Shown());
    prompt_->setText(round_.Listens()      ? tr("Type what you hear:")
                     : round_.ShowsTextA() ? tr("Type the translation of:")
                                           : tr("Type the word for:"));
    listen_->setVisible(round_.Listens());
    word_->setFont(CreateWordFont(RoundWordHeight, ShapingFor(word)));
    word_->setText(word);
    word_->setVisible(!word.isEmpty());
    ShowPictureFile(*picture_, round_.ShownPicture(), RoundPictureSide);
    answer_->clear();
    answer_->setReadOnly(false);
    answer_->setFocus();
    go_->setText(tr("Check"));
    verdict_->clear();
    const QString question = QStringLiteral("%1 %2").arg(prompt_->text(), word);
    answer_->setAccessibleDescription(question);
    emit Spoken(question);
    Listen();
}

void CTypingRoundDlg::Listen() {
    if (round_.Listens() && !round_.Over()) {
        emit ListenAsked(round_.HeardSound(), round_.Expected(), !round_.ShowsTextA());
        answer_->setFocus();
    }
}

void CTypingRoundDlg::OnEnter() {
    if (showingVerdict_) {
        Ask();
    } else {
        Check();
    }
}

void CTypingRoundDlg::Check() {
    const bool textA = !round_.ShowsTextA();
    const std::string expected = round_.Expected();
    const std::string typed = answer_->text().toStdString();
    const AnswerCheck check = round_.Answer(typed, std::time(nullptr));
    showingVerdict_ = true;
    answer_->setReadOnly(true);
    go_->setText(tr("Next"));

    const QString verdict = VerdictText(check);
    const QString answer = tr("The answer: %1").arg(Text(expected));
    const QString boldAnswer = QStringLiteral("<b>%1</b>").arg(Text(expected).toHtmlEscaped());
    QString html = QStringLiteral("<b>%1</b><br>%2")
                       .arg(verdict.toHtmlEscaped(), tr("The answer: %1").arg(boldAnswer));
    if (check.verdict != AnswerVerdict::Right) {
        html += QStringLiteral("<br>") + tr("You typed: %1").arg(MarkedHtml(typed, check.closest));
    }
    verdict_->setText(html);
    overrule_->setVisible(check.verdict == AnswerVerdict::Wrong);
    const QString spoken = QStringLiteral("%1. %2").arg(verdict, answer);
    answer_->setAccessibleDescription(spoken);
    emit Spoken(spoken);
    emit RightAnswerShown(expected, textA);
}

void CTypingRoundDlg::Overrule() {
    if (!round_.OverruleLastAnswer()) {
        return;
    }
    overrule_->setVisible(false);
    const QString counted = tr("Counted as right");
    verdict_->setText(QStringLiteral("<b>%1</b>").arg(counted.toHtmlEscaped()));
    go_->setFocus();
    emit Spoken(counted);
}

void CTypingRoundDlg::ShowSummary() {
    const RoundSummary summary = round_.Summary();
    const QString text = tr("The round is over.\n\nRight at the first try: %1\n"
                            "Right after a retry: %2\nWrong: %3\nTime: %4")
                             .arg(summary.rightFirstTry)
                             .arg(summary.rightAfterRetry)
                             .arg(summary.wrong)
                             .arg(Text(Duration(summary.seconds)));
    for (QWidget* question : std::initializer_list<QWidget*>{progress_, prompt_, word_, answer_,
                                                             go_, overrule_, listen_}) {
        question->setVisible(false);
    }
    direction_->setEnabled(false);
    summary_->setText(text);
    summary_->setVisible(true);
    close_->setText(tr("Close"));
    close_->setDefault(true);
    close_->setFocus();
    emit Spoken(text);
}

void CTypingRoundDlg::ChooseDirection(int index) {
    const auto direction = static_cast<RoundDirection>(direction_->itemData(index).toInt());
    round_.SetDirection(direction, random_);
    emit DirectionChosen(direction);
    if (!showingVerdict_) {
        Ask();
    }
}

void CTypingRoundDlg::reject() {
    if (summary_->isVisible()) {
        QDialog::reject();
        return;
    }
    round_.End(std::time(nullptr));
    ShowSummary();
}
