#include "app/learning/learning_prompter.h"

#include "app/base/qt_prompter.h"
#include "view/dialogs/game_finished_dlg.h"

AfterGame QtLearningPrompter::ShowGameFinished(QWidget* parent, const GameReport& report,
                                               const std::function<void()>& saveMissedPairs) {
    CGameFinishedDlg dialog(report, saveMissedPairs, parent);
    switch (dialog.exec()) {
    case QDialog::Accepted:
        return AfterGame::PlayMissedPairs;
    case CGameFinishedDlg::TypePairs:
        return AfterGame::TypePairs;
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
    return ChooseTextFileToWrite(parent, QObject::tr("Save Missed Pairs"),
                                 QObject::tr("Word lists (*.txt)"), true);
}
