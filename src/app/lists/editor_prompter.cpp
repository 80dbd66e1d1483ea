#include "app/lists/editor_prompter.h"

#include "app/base/qt_prompter.h"

#include <QCoreApplication>

QString QtEditorPrompter::ChooseFileToSave(QWidget* parent) {
    return ChooseWordListFileToWrite(
        parent, QCoreApplication::translate("WordListEditor", "Save Word List"));
}

SaveChoice QtEditorPrompter::AskSaveChanges(QWidget* parent) {
    return AskSaveDiscardCancel(
        parent,
        QCoreApplication::translate("WordListEditor", "Save the changes to the word list?"));
}

void QtEditorPrompter::ShowMessage(QWidget* parent, const QString& text) {
    QtPrompter().ShowMessage(parent, text);
}
