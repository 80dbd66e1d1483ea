#include "app/board/import_choices.h"
#include "files/list_import.h"
#include "frame_fixture.h"
#include "support/games.h"
#include "view/dialogs/import_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

using ImportWindowTest = FrameTest;

const std::string Sheet = "id\tword\treading\tmeaning\n1\tneko\tねこ\tcat\n2\tinu\tいぬ\tdog\n";

// A file whose guess is certain opens without a question unless File > Import… asks; a choice
// made in the preview is what is dealt, and it is remembered for the file.
TEST_F(ImportWindowTest, ThePreviewOpensWhenTheGuessIsUncertainOrThePlayerAsks) {
    const QString pairs =
        QString::fromStdString(files.Write("pairs.txt", "chat\tcat\nchien\tdog\n"));
    prompter->filesToOpen = {pairs, pairs, pairs};
    Trigger(CommandId::FileOpen);
    EXPECT_EQ(prompter->asked, QStringList{"open"});
    EXPECT_EQ(State().WordList[0].TextA, "chat");

    prompter->asked.clear();
    prompter->importChoices = {ImportChoice{.columns = ColumnPair{1, 0}}};
    Trigger(CommandId::FileImport);
    EXPECT_EQ(prompter->asked, QStringList({"open", "import"}));
    ASSERT_EQ(prompter->importPreviews.size(), 1);
    EXPECT_EQ(prompter->importPreviews[0].rows.size(), 2);
    EXPECT_EQ(State().WordList[0].TextA, "cat");
    EXPECT_EQ(frame->RecentFiles().Files(), QStringList{pairs});

    // Remembered: File > Open reads it the same way, and the preview starts from it.
    prompter->asked.clear();
    Trigger(CommandId::FileOpen);
    EXPECT_EQ(prompter->asked, QStringList{"open"});
    EXPECT_EQ(State().WordList[1].TextA, "dog");
    EXPECT_EQ(RememberedImportChoice(pairs.toStdString())->columns, (ColumnPair{1, 0}));

    // A header row and four columns: the preview asks, and its cancel keeps the game.
    const QString sheet = QString::fromStdString(files.Write("sheet.tsv", Sheet));
    prompter->asked.clear();
    EXPECT_FALSE(frame->OpenDocumentFile(sheet));
    EXPECT_EQ(prompter->asked, QStringList{"import"});
    EXPECT_TRUE(prompter->importPreviews.back().head.headerRow);
    EXPECT_EQ(State().WordList[0].TextA, "cat");
    EXPECT_FALSE(RememberedImportChoice(sheet.toStdString()));
}

// The dialog shows what the import reads and gives back what the player set.
TEST(ImportDlg, ShowsTheRecordsAsTheImportReadsThemAndGivesTheChoice) {
    const std::string bytes = "front;back;tags,notes\nHund;dog;noun,x\nKatze;cat;noun,y\n";
    const ImportPreviewer preview = [&](const ImportChoice& choice) {
        return PreviewImport(ImportFormat::Delimited, "/d/nouns.csv", bytes, choice);
    };
    ImportDlg dialog("nouns.csv", preview, {});
    const auto cells = [&] {
        QStringList shown;
        for (int column = 0; column < dialog.Table()->columnCount(); ++column) {
            shown.append(dialog.Table()->horizontalHeaderItem(column)->text());
        }
        for (int row = 0; row < dialog.Table()->rowCount(); ++row) {
            for (int column = 0; column < dialog.Table()->columnCount(); ++column) {
                const QTableWidgetItem* item = dialog.Table()->item(row, column);
                shown.append(item ? item->text() : QString());
            }
        }
        return shown.join(QLatin1Char('|'));
    };
    EXPECT_EQ(cells(), "1: front|2: back|3: tags,notes|Hund|dog|noun,x|Katze|cat|noun,y");
    EXPECT_EQ(dialog.SeparatorBox()->currentData().toInt(), ';');
    EXPECT_TRUE(dialog.HeaderRowBox()->isChecked());
    EXPECT_FALSE(dialog.WordListBox()->isChecked());
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "nouns.csv");

    // One name of two cells is no header row, until the player says so.
    dialog.SeparatorBox()->setCurrentIndex(dialog.SeparatorBox()->findData(int{','}));
    EXPECT_EQ(cells(), "Column 1|Column 2|front;back;tags|notes|Hund;dog;noun|x|Katze;cat;noun|y");
    dialog.HeaderRowBox()->setChecked(true);
    EXPECT_EQ(cells(), "1: front;back;tags|2: notes|Hund;dog;noun|x|Katze;cat;noun|y");
    dialog.HeaderRowBox()->setChecked(false);

    dialog.TranslationBox()->setCurrentIndex(0);
    EXPECT_FALSE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.TranslationBox()->setCurrentIndex(1);
    dialog.WordBox()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.TranslationBox()->setCurrentIndex(0);
    EXPECT_TRUE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.DescriptionEdit()->setText("Nouns");
    emit dialog.DescriptionEdit()->textEdited("Nouns");
    EXPECT_EQ(dialog.Choice(), (ImportChoice{',', false, ColumnPair{1, 0}, "Nouns", false}));
    for (QWidget* control :
         {static_cast<QWidget*>(dialog.Table()), static_cast<QWidget*>(dialog.SeparatorBox()),
          static_cast<QWidget*>(dialog.WordBox()), static_cast<QWidget*>(dialog.TranslationBox()),
          static_cast<QWidget*>(dialog.DescriptionEdit())}) {
        EXPECT_FALSE(control->accessibleName().isEmpty());
    }
}

// A plain text file reads either way: as the game's own list or, at commas, as a table.
TEST_F(ImportWindowTest, APlainTextFileCanBeReadAsAWordListOrAsATable) {
    const std::string greetings = "Greetings, formal\nGood morning, sir\nBuenos d\xC3\xAD"
                                  "as, se\xC3\xB1or\n";
    const QString path = QString::fromStdString(files.Write("greetings.txt", greetings));
    ImportReading reading(path.toStdString(), ImportFormat::None);
    ImportDlg dialog("greetings.txt", [&](const ImportChoice& c) { return reading.Preview(c); },
                     {});
    EXPECT_TRUE(dialog.WordListBox()->isChecked());
    EXPECT_FALSE(dialog.SeparatorBox()->isEnabled());
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "Greetings, formal");
    EXPECT_EQ(dialog.Table()->item(0, 1)->text(), QString::fromUtf8("Buenos d\xC3\xAD"
                                                                    "as, se\xC3\xB1or"));
    dialog.WordListBox()->setChecked(false);
    EXPECT_EQ(dialog.SeparatorBox()->currentData().toInt(), ',');
    EXPECT_EQ(dialog.Table()->item(0, 1)->text(), "formal");
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "greetings.txt");
    dialog.WordListBox()->setChecked(true);
    EXPECT_EQ(dialog.Choice().wordList, true);

    // File > Import asks; a choice of the table is dealt and remembered for File > Open.
    prompter->filesToOpen = {path, path};
    prompter->importChoices = {ImportChoice{.separator = ',', .wordList = false}};
    Trigger(CommandId::FileImport);
    EXPECT_TRUE(prompter->importPreviews.back().wordList);
    EXPECT_EQ(ListText(State().WordList), "Greetings=formal; Good morning=sir; Buenos d\xC3\xAD"
                                          "as=se\xC3\xB1or");
    prompter->asked.clear();
    Trigger(CommandId::FileOpen);
    EXPECT_EQ(prompter->asked, QStringList{"open"});
    EXPECT_EQ(State().WordsCount, 3);
}

TEST(ImportDlg, AFileThatCannotBeReadSaysWhyAndCannotBeAccepted) {
    const ImportPreviewer preview = [](const ImportChoice& choice) {
        return PreviewImport(ImportFormat::Delimited, "q.csv", "\"a,b\n", choice);
    };
    ImportDlg dialog("q.csv", preview, {});
    EXPECT_EQ(dialog.ProblemLabel()->text(),
              "The quoted field that begins on line 1 is never closed.");
    EXPECT_FALSE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
}

} // namespace
