#include "app/base/qt_prompter.h"
#include "app/learning/learning_prompter.h"
#include "app/lists/editor_prompter.h"
#include "modal_answer.h"
#include "support/temp_dir.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
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

// A bare name gets the chosen filter's suffix before the dialog looks for a file to replace, so
// the file that would be written is the one the player is asked about.
TEST(QtPrompter, SaveChoosersAskAboutTheFileTheyWouldReplace) {
    const struct {
        const char* name;
        std::function<QString()> choose;
        int filter;
        const char* existing;
        const char* chosen; // empty: the player refused to replace the file
    } cases[] = {
        {"export as list", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 0, "verbs.txt",
         ""},
        {"export as TSV", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 1, "verbs.tsv",
         ""},
        {"export as CSV", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 2, "verbs.csv",
         ""},
        {"export as CSV beside a list", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 2,
         "verbs.txt", "verbs.csv"},
        {"export as Anki package", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 4,
         "verbs.apkg", ""},
        {"export a dotted name", [] { return QtPrompter().ChooseFileToExport(nullptr); }, 2,
         "verbs.old.csv", ""},
        {"missed pairs", [] { return QtLearningPrompter().ChooseMissedPairsFile(nullptr); }, 0,
         "verbs.txt", ""},
        // The game's writer keeps word lists safe itself; it gets the whole name.
        {"saved game", [] { return QtPrompter().ChooseFileToSave(nullptr); }, 0, "verbs.txt",
         "verbs.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir files;
        files.Write(c.existing, "Verbs\n");
        const QString folder = QString::fromStdString(files.path().string());
        // The name without its last suffix, as a player types it.
        const QString typed = QString::fromLatin1(c.existing).section(QLatin1Char('.'), 0, -2);
        QString askedAbout;
        QPointer<QTimer> replaceAnswer;
        AnswerWhenShown<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(folder);
            // As the player picks it: the dialog tells of the choice.
            const QString filter = dialog.nameFilters().value(c.filter);
            dialog.selectNameFilter(filter);
            emit dialog.filterSelected(filter);
            replaceAnswer = AnswerWhenShown<QMessageBox>([&](QMessageBox& box) {
                askedAbout = box.text();
                box.button(QMessageBox::No)->click();
            });
            // Typed into the name field, as a player does; the dialog's own checks run.
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            static_cast<QDialog&>(dialog).accept();
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        const QString chosen = c.choose();
        delete replaceAnswer.data();
        EXPECT_EQ(chosen.isEmpty() ? QString() : QFileInfo(chosen).fileName(),
                  QString::fromLatin1(c.chosen));
        EXPECT_EQ(askedAbout.contains(QString::fromLatin1(c.existing)), !*c.chosen)
            << askedAbout.toStdString();
    }
}

// A package is written as a copy of the list: the editor does not offer to save a list into one.
TEST(QtPrompter, OnlyTheExportOffersAnAnkiPackage) {
    const struct {
        const char* name;
        std::function<QString()> choose;
        bool offered;
    } cases[] = {
        {"export", [] { return QtPrompter().ChooseFileToExport(nullptr); }, true},
        {"editor", [] { return QtEditorPrompter().ChooseFileToSave(nullptr); }, false},
    };
    for (const auto& c : cases) {
        QStringList filters;
        AnswerWhenShown<QFileDialog>([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            dialog.reject();
        });
        c.choose();
        EXPECT_EQ(filters.size(), c.offered ? 5 : 4) << c.name;
        EXPECT_EQ(filters.contains("Anki package (*.apkg)"), c.offered) << c.name;
    }
}

} // namespace
