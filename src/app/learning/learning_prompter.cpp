#include "app/learning/learning_prompter.h"

#include "view/dialogs/game_finished_dlg.h"

#include <QFileDialog>

AfterGame QtLearningPrompter::ShowGameFinished(QWidget* parent, const GameReport& report,
                                               const std::function<void()>& saveMissedPairs) {
    CGameFinishedDlg dialog(report, saveMissedPairs, parent);
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return AfterGame::PlayMissedPairs;
    case CGameFinishedDlg::TypePairs:
        return AfterGame::TypePairs;
    default:
        return AfterGame::Close;
    }
}

bool QtLearningPrompter::ShowProgress(QWidget* parent, const ListProgress& progress) {
    CProgressDlg dialog(progress, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtLearningPrompter::ChooseMissedPairsFile(QWidget* parent) {
    QFileDialog dialog(parent, QObject::tr("Save Missed Pairs"), QString(),
                       QObject::tr("Word lists (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
