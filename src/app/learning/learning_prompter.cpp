#include "app/learning/learning_prompter.h"

#include "app/base/qt_prompter.h"
#include "view/dialogs/class_results_dlg.h"
#include "view/dialogs/game_finished_dlg.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

AfterGame QtLearningPrompter::ShowGameFinished(QWidget* parent, const GameReport& report,
                                               const std::function<void()>& saveMissedPairs) {
    CGameFinishedDlg dialog(report, saveMissedPairs, parent);
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return AfterGame::PlayMissedPairs;
    case CGameFinishedDlg::TypePairs:
        return AfterGame::TypePairs;
    case CGameFinishedDlg::FlashcardPairs:
        return AfterGame::FlashcardPairs;
    case CGameFinishedDlg::ChoosePairs:
        return AfterGame::ChoosePairs;
    case CGameFinishedDlg::GoHome:
        return AfterGame::Home;
    default:
        return AfterGame::Close;
    }
}

bool QtLearningPrompter::ShowProgress(QWidget* parent, const ListProgress& progress) {
    CProgressDlg dialog(progress, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtLearningPrompter::ChooseMissedPairsFile(QWidget* parent) {
    return ChooseFileToWrite(parent, QObject::tr("Save Missed Pairs"),
                             QObject::tr("Word lists (*.txt)"), QStringLiteral("txt"), true);
}

std::optional<ReviewChoice>
QtLearningPrompter::AskReviewSettings(QWidget* parent, const ReviewSettingsStart& start) {
    CReviewSettingsDlg dialog(start, parent);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.Choice()) : std::nullopt;
}

std::optional<QString> QtLearningPrompter::AskLearnerName(QWidget* parent) {
    bool ok = false;
    const QString name = QInputDialog::getText(
        parent, QObject::tr("Export My Results"),
        QObject::tr("Your name, as your teacher will see it on your results:"), QLineEdit::Normal,
        QString(), &ok);
    return ok ? std::optional(name) : std::nullopt;
}

QString QtLearningPrompter::ChooseResultsFile(QWidget* parent) {
    return ChooseFileToWrite(parent, QObject::tr("Export My Results"),
                             QObject::tr("Results files (*.json)"), QStringLiteral("json"), true);
}

QString QtLearningPrompter::ChooseCsvFile(QWidget* parent) {
    return ChooseFileToWrite(parent, QObject::tr("Export CSV"),
                             QObject::tr("Comma-separated values (*.csv)"), QStringLiteral("csv"),
                             true);
}

QStringList QtLearningPrompter::ChooseClassFiles(QWidget* parent) {
    QFileDialog dialog(parent, QObject::tr("Class Results"), QString(),
                       QObject::tr("Results files (*.json);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

ClassChoice QtLearningPrompter::ShowClassResults(QWidget* parent, const ClassResults& results,
                                                 const std::function<void()>& exportCsv,
                                                 const std::function<void()>& print) {
    ClassResultsDlg dialog(results, exportCsv, print, parent);
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return ClassChoice::DealHardest;
    case ClassResultsDlg::EditHardest:
        return ClassChoice::EditHardest;
    default:
        return ClassChoice::Close;
    }
}

void QtLearningPrompter::PreviewPrint(QWidget* parent, QPrinter& printer,
                                      const std::function<void(QPrinter&)>& print) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&print](QPrinter* target) { print(*target); });
    preview.exec();
}
