#include "app/shell/about_dlg.h"
#include "app/shell/command_table.h"
#include "app/shell/keys_dlg.h"
#include "frame_fixture.h"
#include "support/temp_dir.h"
#include "view/dialogs/draw_level_dlg.h"

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// Tab order OK, Cancel, edit box; OK is the default button and has the focus. OK takes the
// text as typed; Cancel keeps the text as it was.
TEST(DrawLevelDlgTest, TabOrderDefaultButtonAndAnswers) {
    CDrawLevelDlg dialog("3");
    EXPECT_EQ(dialog.OkButton()->nextInFocusChain(), dialog.CancelButton());
    EXPECT_EQ(dialog.CancelButton()->nextInFocusChain(), dialog.LevelEdit());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(dialog.OkButton()->isDefault());
    EXPECT_FALSE(dialog.CancelButton()->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), dialog.OkButton());
    EXPECT_EQ(dialog.LevelEdit()->text(), "3");

    dialog.LevelEdit()->setFocus();
    dialog.LevelEdit()->setText(" 2abc");
    QTest::keyClick(dialog.LevelEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LevelText, " 2abc");

    dialog.show();
    dialog.LevelEdit()->setText("7");
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.LevelText, " 2abc");
}

using WordListTest = FrameTest;

// One row per pair in file order, an odd list's last word alone; opening the file a second
// time shows the same rows, not the list twice.
TEST_F(WordListTest, ShowsTheOpenedListOneRowPerPair) {
    const QString path = QString::fromStdString(
        files.Write("odd.txt", "Odd\nmanger\nto eat\nboire\nto drink\nchat\ncat\nun\n"));
    const std::vector<QStringList> rows{
        {"manger", "to eat"}, {"boire", "to drink"}, {"chat", "cat"}, {"un", ""}};
    for (int i = 0; i < 2; ++i) {
        Open(path);
        Trigger(CommandId::WordList);
    }
    EXPECT_EQ(prompter->wordListsShown, (std::vector<std::vector<QStringList>>{rows, rows}));
}

TEST(WordListDlgTest, SkipsPairsWithoutFirstWordAndDecodesTheBytes) {
    const CWordListDlg dialog(WordPairList{{std::nullopt, "lost"}, {"caf\xc3\xa9", "caf\xe9"}});
    EXPECT_EQ(Rows(dialog), (std::vector<QStringList>{{"café", "café"}}));
}

TEST(WordListDlgTest, ShowsEachSidesWordsAndPictureAndThePairsNote) {
    const TempDir folder;
    const std::string red = (folder.path() / "red.png").string();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(red)));
    const MediaFinder finder = [&](std::string_view reference, MediaKind,
                                   std::string_view listPath) {
        return reference == "red.png" && listPath == "/lists/colours.txt" ? red : std::string();
    };
    const CWordListDlg dialog(WordPairList{{"[image=red.png]", "rojo [note=a colour]"},
                                           {"blau [image=gone.png]", "azul"}},
                              "/lists/colours.txt", finder);
    EXPECT_EQ(Rows(dialog),
              (std::vector<QStringList>{{"red", "rojo", "a colour"}, {"blau", "azul", ""}}));
    const QTreeWidgetItem& first = *dialog.List()->topLevelItem(0);
    EXPECT_EQ(first.icon(0).pixmap(8, 8).toImage().pixel(4, 4), QColor(Qt::red).rgb());
    EXPECT_TRUE(first.icon(1).isNull());
    EXPECT_TRUE(dialog.List()->topLevelItem(1)->icon(0).isNull());
}

TEST(WordListDlgTest, OpensWideEnoughForBothColumnsAndCanBeResized) {
    CWordListDlg dialog(WordPairList{{"manger", "to eat"}});
    dialog.show();
    const auto* list = dialog.findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->viewport()->width(), list->columnWidth(0) + list->columnWidth(1));
    EXPECT_NE(dialog.minimumSize(), dialog.maximumSize());
}

// Every key of the command table is listed, and no description is cut off.
TEST(KeysDlgTest, ListsEveryCommandKeyAndShowsEachDescriptionWhole) {
    CKeysDlg dialog;
    dialog.show();
    QApplication::processEvents();
    const auto* table = dialog.findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    QStringList keys;
    for (int row = 0; row < table->rowCount(); ++row) {
        keys.append(table->item(row, 0)->text().split(", "));
        const QString use = table->item(row, 1)->text();
        const int room = table->columnWidth(1) - 8;
        const QRect needed =
            table->fontMetrics().boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, use);
        EXPECT_LE(needed.width(), room) << use.toStdString();
        EXPECT_LE(needed.height(), table->rowHeight(row)) << use.toStdString();
    }
    EXPECT_LE(table->columnWidth(0) + table->columnWidth(1), table->viewport()->width());
    for (const Command& command : Commands()) {
        if (command.shortcuts.empty()) {
            continue;
        }
        for (const QKeySequence& key :
             QKeySequence::listFromString(QString::fromLatin1(command.shortcuts))) {
            EXPECT_TRUE(keys.contains(key.toString(QKeySequence::NativeText)))
                << key.toString().toStdString();
        }
    }
    for (const char* key : {"Ctrl+Z", "Ctrl+Y", "Ctrl++", "Ctrl+-", "Ctrl+0", "Alt+E", "Escape"}) {
        EXPECT_TRUE(keys.contains(key)) << key;
    }
}

TEST(AboutDlgTest, NoLongerSaysTheEditMenuHasNoFunction) {
    const CAboutDlg dialog;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("Edit menu")) << label->text().toStdString();
    }
}

} // namespace
