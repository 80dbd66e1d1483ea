#include "app/editor_prompter.h"

#include "app/qt_prompter.h"

#include <QCoreApplication>
#include <QMessageBox>

QString QtEditorPrompter::ChooseFileToSave(QWidget* parent) {
    return ChooseWordListFileToWrite(
        parent, QCoreApplication::translate("WordListEditor", "Save Word List"));
}

SaveChoice QtEditorPrompter::AskSaveChanges(QWidget* parent) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Glossatiles"),
        QCoreApplication::translate("WordListEditor", "Save the changes to the word list?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void QtEditorPrompter::ShowMessage(QWidget* parent, const QString& text) {
    QtPrompter().ShowMessage(parent, text);
}
