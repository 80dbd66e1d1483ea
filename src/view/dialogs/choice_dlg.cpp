#include "view/dialogs/choice_dlg.h"

#include "learning/game_report.h"
#include "view/board/message_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>

namespace {

constexpr std::size_t MostAnswers = 4;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

CChoiceDlg::CChoiceDlg(ChoiceRound& round, RandomSource& random, QWidget* parent)
    : CPracticeDlg(round, random, tr("Choose the Word"), parent), round_(round) {
    prompt_ = new QLabel(this);
    Body()->addWidget(prompt_);
    for (std::size_t i = 0; i < MostAnswers; ++i) {
        auto* answer = new QPushButton(this);
        answer->setAutoDefault(false);
        connect(answer, &QPushButton::clicked, this, [this, i] { Choose(i); });
        Body()->addWidget(answer);
        answers_.push_back(answer);
    }
    verdict_ = new QLabel(this);
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    Body()->addWidget(verdict_);
    next_ = Buttons()->addButton(tr("&Next"), QDialogButtonBox::ActionRole);
    connect(next_, &QPushButton::clicked, this, [this] {
        if (answered_) {
            Ask();
        }
    });
}

QString CChoiceDlg::ShowQuestion() {
    answered_ = false;
    prompt_->setText(round_.ShowsTextA() ? tr("Choose its translation:") : tr("Choose its word:"));
    const OfferedAnswers offered = round_.Offered();
    QStringList spoken;
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        QPushButton* answer = answers_[i];
        const bool shown = i < offered.texts.size();
        answer->setVisible(shown);
        QFont font = answer->font();
        font.setBold(false);
        answer->setFont(font);
        if (shown) {
            const QString text = Text(offered.texts[i]);
            QString escaped = text;
            escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
            answer->setText(QStringLiteral("&%1  %2").arg(i + 1).arg(escaped));
            answer->setAccessibleName(QStringLiteral("%1. %2").arg(i + 1).arg(text));
            spoken << answer->accessibleName();
        }
    }
    verdict_->clear();
    next_->setEnabled(false);
    answers_.front()->setFocus();
    return QStringLiteral("%1. %2 %3")
        .arg(Word()->text(), prompt_->text(), spoken.join(QStringLiteral(", ")));
}

void CChoiceDlg::Choose(std::size_t option) {
    const OfferedAnswers offered = round_.Offered();
    if (answered_ || option >= offered.texts.size()) {
        return;
    }
    const bool textA = !round_.ShowsTextA();
    const QString note = ShowNote(round_.NoteNow());
    const ChoiceVerdict verdict = round_.Choose(option, std::time(nullptr));
    answered_ = true;
    // The right answer, and a wrong one chosen, stand out by a mark and weight, not by colour.
    for (std::size_t i : {offered.right, option}) {
        QPushButton* answer = answers_[i];
        QFont font = answer->font();
        font.setBold(true);
        answer->setFont(font);
        const QString mark = i == offered.right ? QStringLiteral("✓") : QStringLiteral("✗");
        if (!answer->text().endsWith(mark)) {
            answer->setText(answer->text() + QStringLiteral("  ") + mark);
        }
    }
    const Message message = verdict.right
                                ? Message(GT_TEXT("Message", "Right: %1"), {verdict.answer})
                                : Message(GT_TEXT("Message", "Wrong: %1 (the answer: %2)"),
                                          {verdict.chosen, verdict.answer});
    verdict_->setText(MessageText(message));
    next_->setEnabled(true);
    next_->setFocus();
    emit Spoken(note.isEmpty() ? verdict_->text()
                               : QStringLiteral("%1. %2").arg(verdict_->text(), note));
    emit RightAnswerShown(verdict.answer, textA);
}

QString CChoiceDlg::SummaryText() const {
    const RoundSummary summary = round_.Summary();
    return tr("The round is over: %n question(s).", nullptr, summary.pairs) +
           tr("\n\nRight at the first try: %1\nRight after a retry: %2\nWrong: %3\nTime: %4")
               .arg(summary.rightFirstTry)
               .arg(summary.rightAfterRetry)
               .arg(summary.wrong)
               .arg(Text(Duration(summary.seconds)));
}

bool CChoiceDlg::MoveFocus(int step) {
    const auto shown = static_cast<int>(round_.Offered().texts.size());
    const auto at = std::find(answers_.begin(), answers_.end(), focusWidget());
    if (at == answers_.end() || shown == 0) {
        return false;
    }
    const int from = static_cast<int>(at - answers_.begin());
    answers_[static_cast<std::size_t>((from + step + shown) % shown)]->setFocus();
    return true;
}

bool CChoiceDlg::Pressed(int key) {
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        Choose(static_cast<std::size_t>(key - Qt::Key_1));
        return true;
    }
    if (answered_) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Ask();
            return true;
        }
        return false;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return MoveFocus(-1);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return MoveFocus(1);
    default:
        return ClickFocusedButton();
    }
}
