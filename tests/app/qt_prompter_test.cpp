#include "app/qt_prompter.h"
#include "modal_answer.h"
#include "support/temp_dir.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
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

// Word lists are often named without an extension.
TEST(QtPrompter, OpenChooserListsFilesWithoutADot) {
    const TempDir files;
    files.Write("verbs", "Verbs\n");
    files.Write("nouns.txt", "Nouns\n");
    const QString folder = QString::fromStdString(files.path().string());
    QStringList listed;
    AnswerWhenShown<QFileDialog>([&](QFileDialog& dialog) {
        dialog.setDirectory(folder);
        const auto* model = dialog.findChild<QFileSystemModel*>();
        const QModelIndex root = model->index(folder);
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) > 0; }));
        // Let the name filter settle on the loaded rows.
        QTest::qWait(50);
        for (int row = 0; row < model->rowCount(root); ++row) {
            listed.append(model->index(row, 0, root).data().toString());
        }
        dialog.reject();
    });
    EXPECT_EQ(QtPrompter().ChooseFileToOpen(nullptr), QString());
    listed.sort();
    EXPECT_EQ(listed, QStringList({"nouns.txt", "verbs"}));
}

} // namespace
