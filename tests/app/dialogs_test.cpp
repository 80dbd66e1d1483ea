#include "app/about_dlg.h"
#include "view/draw_level_dlg.h"
#include "words/word_list_dlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(DrawLevelDlgTest, TabOrderIsOkCancelEdit) {
    CDrawLevelDlg dialog("0");
    EXPECT_EQ(dialog.OkButton()->nextInFocusChain(), dialog.CancelButton());
    EXPECT_EQ(dialog.CancelButton()->nextInFocusChain(), dialog.LevelEdit());
}

TEST(DrawLevelDlgTest, OkIsTheDefaultButtonAndHasTheFocus) {
    CDrawLevelDlg dialog("3");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(dialog.OkButton()->isDefault());
    EXPECT_FALSE(dialog.CancelButton()->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), dialog.OkButton());
    EXPECT_EQ(dialog.windowTitle(), "Draw Level");
    EXPECT_EQ(dialog.OkButton()->text(), "OK");
    EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
    EXPECT_EQ(dialog.LevelEdit()->text(), "3");

    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "Enter 0 for normal display or the level number for a single "
                                 "level.  E.G. 1, 2, 3,...");
}

TEST(DrawLevelDlgTest, EnterInTheEditBoxConfirmsTheText) {
    CDrawLevelDlg dialog("0");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.LevelEdit()->setFocus();
    dialog.LevelEdit()->setText(" 2abc");
    QTest::keyClick(dialog.LevelEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LevelText, " 2abc");
}

TEST(DrawLevelDlgTest, CancelKeepsTheTextItWasGiven) {
    CDrawLevelDlg dialog("-4");
    dialog.show();
    dialog.LevelEdit()->setText("7");
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.LevelText, "-4");
}

struct Row {
    QString textA;
    QString textB;
    bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const CWordListDlg& dialog) {
    std::vector<Row> rows;
    QTreeWidget* list = dialog.List();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        rows.push_back({list->topLevelItem(i)->text(0), list->topLevelItem(i)->text(1)});
    }
    return rows;
}

WordPair Pair(std::optional<std::string> a, std::optional<std::string> b) {
    return WordPair{std::move(a), std::move(b)};
}

struct WordListCase {
    const char* name;
    WordPairList list;
    std::vector<Row> rows;
};

TEST(WordListDlgTest, ShowsOneRowPerPairInListOrder) {
    const std::vector<WordListCase> cases{
        {"three pairs",
         {Pair("manger", "to eat"), Pair("boire", "to drink"), Pair("chat", "cat")},
         {{"manger", "to eat"}, {"boire", "to drink"}, {"chat", "cat"}}},
        {"odd list",
         {Pair("un", "one"), Pair("deux", std::nullopt)},
         {{"un", "one"}, {"deux", ""}}},
        {"entry without TextA", {Pair(std::nullopt, "lost"), Pair("a", "b")}, {{"a", "b"}}},
        {"words decoded", {Pair("caf\xc3\xa9", "caf\xe9")}, {{"café", "café"}}},
        {"empty list", {}, {}},
    };
    for (const WordListCase& c : cases) {
        CWordListDlg dialog(c.list);
        EXPECT_EQ(Rows(dialog), c.rows) << c.name;
    }
}

TEST(WordListDlgTest, ColumnsAndButton) {
    CWordListDlg dialog(WordPairList{Pair("a", "b")});
    EXPECT_EQ(dialog.windowTitle(), "Word List");
    QTreeWidget* list = dialog.List();
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "TextA");
    EXPECT_EQ(list->headerItem()->text(1), "TextB");
    EXPECT_EQ(list->columnWidth(0), 250);
    EXPECT_EQ(list->columnWidth(1), 250);
    EXPECT_TRUE(list->header()->defaultAlignment() & Qt::AlignLeft);

    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "OK");
    EXPECT_TRUE(buttons[0]->isDefault());
    buttons[0]->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(WordListDlgTest, LongListIsFilledWhole) {
    WordPairList list;
    for (int i = 0; i < 10000; ++i) {
        list.push_back(Pair("a" + std::to_string(i), "b" + std::to_string(i)));
    }
    CWordListDlg dialog(list);
    QTreeWidget* view = dialog.List();
    ASSERT_EQ(view->topLevelItemCount(), 10000);
    EXPECT_EQ(view->topLevelItem(9999)->text(0), "a9999");
    EXPECT_EQ(view->topLevelItem(9999)->text(1), "b9999");
}

TEST(AboutDlgTest, NamesTheProgramItsVersionAndAuthors) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Glossatiles");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains("Glossatiles Version 1.0"));
    EXPECT_TRUE(texts.contains("Written by the Glossatiles developers, 2026"));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const QString& text) { return text.contains("no function"); }));
}

} // namespace
