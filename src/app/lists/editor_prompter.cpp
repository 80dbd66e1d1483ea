#include "app/lists/editor_prompter.h"

#include "app/base/qt_prompter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QString QtEditorPrompter::ChooseFileToSave(QWidget* parent) {
    return ChooseWordListFileToWrite(
        parent, QCoreApplication::translate("WordListEditor", "Save Word List"));
}

SaveChoice QtEditorPrompter::AskSaveChanges(QWidget* parent) {
    return AskSaveDiscardCancel(
        parent,
        QCoreApplication::translate("WordListEditor", "Save the changes to the word list?"));
}

bool QtEditorPrompter::AskSaveAsNewFile(QWidget* parent, const QString& reason) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Glossatiles"), reason,
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("WordListEditor", "Save &As..."));
    return box.exec() == QMessageBox::Save;
}

void QtEditorPrompter::ShowMessage(QWidget* parent, const QString& text) {
    QtPrompter().ShowMessage(parent, text);
}

QString QtEditorPrompter::ChooseMediaFile(QWidget* parent, MediaKind kind) {
    const bool picture = kind == MediaKind::Picture;
    return QFileDialog::getOpenFileName(
        parent,
        picture ? QCoreApplication::translate("WordListEditor", "Insert Picture")
                : QCoreApplication::translate("WordListEditor", "Insert Sound"),
        QString(),
        picture ? QCoreApplication::translate("WordListEditor",
                                              "Pictures (*.png *.jpg *.jpeg *.gif *.webp)")
                : QCoreApplication::translate("WordListEditor",
                                              "Sounds (*.ogg *.oga *.mp3 *.wav *.flac)"));
}
