#include "app/qt_prompter.h"
#include "modal_answer.h"
#include "support/temp_dir.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A line quoted from a file is shown as it stands, never as markup.
TEST(QtPrompter, MessagesShowMarkupAsPlainText) {
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    AnswerWhenShown<QMessageBox>([&](QMessageBox& box) {
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        format = label->textFormat();
        box.accept();
    });
    QtPrompter().ShowMessage(nullptr, QStringLiteral("Bad line:\n<b>x</b>"));
    EXPECT_EQ(shown, "Bad line:\n<b>x</b>");
    EXPECT_EQ(format, Qt::PlainText);
}

// Word lists come first, and the chooser starts in the folder of the file chosen last.
TEST(QtPrompter, OpenChooserOffersWordListsFirstAndStartsInTheFolderLastUsed) {
    const TempDir files;
    const QString nouns = QString::fromStdString(files.Write("nouns.txt", "Nouns\n"));
    const QString folder = QString::fromStdString(files.path().string());
    QSettings().remove(QStringLiteral("Files/LastFolder"));
    QStringList filters;
    AnswerWhenShown<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        dialog.selectFile(nouns);
        QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
    });
    EXPECT_EQ(QtPrompter().ChooseFileToOpen(nullptr), nouns);
    EXPECT_EQ(filters, QStringList({"Word lists (*.txt *.csv *.tsv *.kvtml *.apkg)",
                                    "Saved games (*.txt)", "All files (*)"}));
    QString startedIn;
    AnswerWhenShown<QFileDialog>([&](QFileDialog& dialog) {
        startedIn = dialog.directory().absolutePath();
        dialog.reject();
    });
    EXPECT_EQ(QtPrompter().ChooseFileToOpen(nullptr), QString());
    EXPECT_EQ(startedIn, folder);
}

} // namespace
