#include "view/dialogs/game_finished_dlg.h"

#include "view/board/board_painter.h"
#include "view/dialogs/picture_label.h"
#include "words/side_line.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString Words(const std::vector<std::string>& words) {
    QStringList decoded;
    for (const std::string& word : words) {
        decoded.append(DecodeWord(word));
    }
    return decoded.join(QStringLiteral("; "));
}

constexpr int RowPictureSide = 32;

// A side as the list shows it: its words, or its picture's name.
QString Shown(const std::string& line) {
    return DecodeWord(ShownText(line));
}

// What a screen reader says for the row: "perro = dog, missed once, confused with …".
QString Spoken(const TroubledPair& pair) {
    QStringList parts{QStringLiteral("%1 = %2").arg(Shown(pair.textA), Shown(pair.textB))};
    const std::pair<const char*, int> counts[] = {
        {QT_TRANSLATE_N_NOOP("CGameFinishedDlg", "missed %n time(s)"), pair.record.missed},
        {QT_TRANSLATE_N_NOOP("CGameFinishedDlg", "hinted %n time(s)"), pair.record.assisted},
        {QT_TRANSLATE_N_NOOP("CGameFinishedDlg", "peeked %n time(s)"), pair.record.peeked}};
    for (const auto& [text, count] : counts) {
        if (count > 0) {
            parts.append(CGameFinishedDlg::tr(text, nullptr, count));
        }
    }
    if (!pair.confusedWith.empty()) {
        parts.append(CGameFinishedDlg::tr("confused with %1").arg(Words(pair.confusedWith)));
    }
    return parts.join(QStringLiteral(", "));
}

QTreeWidgetItem* RowOf(const TroubledPair& pair) {
    auto* row = new QTreeWidgetItem(
        {Shown(pair.textA), Shown(pair.textB), QString::number(pair.record.missed),
         QString::number(pair.record.assisted), QString::number(pair.record.peeked),
         Words(pair.confusedWith)});
    for (int column = 2; column <= 4; ++column) {
        row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    row->setIcon(0, PictureFileIcon(pair.pictureA, RowPictureSide));
    row->setIcon(1, PictureFileIcon(pair.pictureB, RowPictureSide));
    row->setData(0, Qt::AccessibleTextRole, Spoken(pair));
    return row;
}
} // namespace

CGameFinishedDlg::CGameFinishedDlg(const GameReport& report, std::function<void()> saveMissedPairs,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Game finished"));
    auto* layout = new QVBoxLayout(this);

    summary_ = new QLabel(tr("Time: %1    Correct: %2    Wrong: %3    Hints: %4    Undos: %5")
                              .arg(QString::fromStdString(Duration(report.seconds)))
                              .arg(report.correct)
                              .arg(report.wrong)
                              .arg(report.hints)
                              .arg(report.undos),
                          this);
    layout->addWidget(summary_);

    const bool missed = !report.troubled.empty();
    auto* heading = new QLabel(
        missed ? tr("Pairs to practise, hardest first:") : tr("Well done: no pair missed"), this);
    layout->addWidget(heading);

    pairs_ = new QTreeWidget(this);
    pairs_->setRootIsDecorated(false);
    pairs_->setIconSize({RowPictureSide, RowPictureSide});
    pairs_->setHeaderLabels(
        {tr("Word"), tr("Partner"), tr("Missed"), tr("Hinted"), tr("Peeked"), tr("Confused with")});
    for (const TroubledPair& pair : report.troubled) {
        pairs_->addTopLevelItem(RowOf(pair));
    }
    for (int column = 0; column < pairs_->columnCount(); ++column) {
        pairs_->resizeColumnToContents(column);
    }
    pairs_->setVisible(missed);
    pairs_->setAccessibleName(tr("Pairs to practise"));
    layout->addWidget(pairs_);

    auto* buttons = new QDialogButtonBox(this);
    play_ = buttons->addButton(tr("Play Missed Pairs"), QDialogButtonBox::AcceptRole);
    type_ = buttons->addButton(report.todaysReview ? tr("Type the Review Pairs")
                                                   : tr("Type the Missed Pairs"),
                               QDialogButtonBox::ActionRole);
    for (const auto& [text, result] : {std::pair(tr("Flashcards"), FlashcardPairs),
                                       std::pair(tr("Choose the Word"), ChoosePairs)}) {
        QPushButton* practise = buttons->addButton(text, QDialogButtonBox::ActionRole);
        practise->setEnabled(missed || report.todaysReview);
        connect(practise, &QPushButton::clicked, this, [this, result] { done(result); });
    }
    save_ = buttons->addButton(tr("Save Missed Pairs…"), QDialogButtonBox::ActionRole);
    home_ = buttons->addButton(tr("Home"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    play_->setEnabled(missed);
    save_->setEnabled(missed);
    type_->setEnabled(missed || report.todaysReview);
    (missed ? play_ : close)->setDefault(true);
    connect(play_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(type_, &QPushButton::clicked, this, [this] { done(TypePairs); });
    connect(home_, &QPushButton::clicked, this, [this] { done(GoHome); });
    connect(save_, &QPushButton::clicked, this, std::move(saveMissedPairs));
    layout->addWidget(buttons);
    resize(missed ? 640 : 360, missed ? 360 : 120);
    // Whichever part has the focus, Enter reaches the buttons through it.
    installEventFilter(this);
    for (QWidget* part : findChildren<QWidget*>()) {
        part->installEventFilter(this);
    }
    // A screen reader reads the summary, then the hardest pair; the arrows read the others.
    if (missed) {
        pairs_->setCurrentItem(pairs_->topLevelItem(0));
        pairs_->setFocus();
    }
}

bool CGameFinishedDlg::eventFilter(QObject* watched, QEvent* event) {
    // A screen reader presents the window with its focused list, not the list's current row;
    // choosing the row again once the window is active makes it heard.
    if (watched == this && event->type() == QEvent::WindowActivate && !rowAnnounced_ &&
        pairs_->topLevelItemCount() > 0) {
        rowAnnounced_ = true;
        QTimer::singleShot(0, this, [this] {
            QTreeWidgetItem* current = pairs_->currentItem();
            pairs_->setCurrentItem(nullptr);
            pairs_->setCurrentItem(current ? current : pairs_->topLevelItem(0));
        });
    }
    // The Enter that won the game may still be held: its repeats must not choose for the
    // player before the summary has been read.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (heldKey_.IsRepeat(key) && event->type() == QEvent::KeyPress &&
            (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
