#include "app/lists/editor_prompter.h"
#include "app/lists/teacher_commands.h"
#include "app/lists/word_list_editor.h"
#include "files/open_file.h"
#include "frame_fixture.h"
#include "modal_answer.h"
#include "support/games.h"
#include "view/dialogs/word_list_model.h"
#include "view/dialogs/word_table.h"
#include "view/dialogs/worksheet_dlg.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <unistd.h>

namespace {

// The editors' questions, answered from queues and written down in order.
struct EditorAnswers {
    QStringList asked;
    std::deque<QString> paths;
    std::deque<SaveChoice> choices;
};

class TestEditorPrompter : public EditorPrompter {
public:
    explicit TestEditorPrompter(std::shared_ptr<EditorAnswers> answers)
        : answers_(std::move(answers)) {}
    QString ChooseFileToSave(QWidget*) override {
        answers_->asked << "save as";
        return NextAnswer(answers_->paths, QString());
    }
    SaveChoice AskSaveChanges(QWidget*) override {
        answers_->asked << "save changes?";
        return NextAnswer(answers_->choices, SaveChoice::Cancel);
    }
    void ShowMessage(QWidget*, const QString& text) override { answers_->asked << text; }

private:
    std::shared_ptr<EditorAnswers> answers_;
};

class WordListEditorTest : public FrameTest {
protected:
    WordListEditorTest() {
        frame->Teacher().SetEditorPrompters(
            [this] { return std::make_unique<TestEditorPrompter>(answers); });
    }
    WordListEditor& Editor() {
        WordListEditor* editor = frame->Teacher().LastEditor();
        EXPECT_NE(editor, nullptr);
        return *editor;
    }
    WordListEditor& NewEditor() {
        Trigger(CommandId::NewWordList);
        return Editor();
    }
    static QString Rows(const WordListEditor& editor) {
        return QString::fromStdString(ListText(editor.Model().Pairs()));
    }
    // Keys go where the keyboard's focus is: the table, then the cell's editor it opens.
    static void Type(const QString& text, Qt::Key then) {
        for (const QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
        QTest::keyClick(QApplication::focusWidget(), then);
        // The cell's editor hands its text over once the key has been handled.
        QApplication::processEvents();
    }
    std::string Path(const char* name) const { return (files.path() / name).string(); }

    std::shared_ptr<EditorAnswers> answers = std::make_shared<EditorAnswers>();
};

// A list typed by keyboard alone: Tab goes across, Enter down into the new row at the end;
// it is saved in each of the four formats and opens with the same pairs.
TEST_F(WordListEditorTest, ListTypedByKeyboardSavesInEachFormatAndReadsBack) {
    WordListEditor& editor = NewEditor();
    QApplication::setActiveWindow(&editor);
    editor.Table().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &editor.Table());
    EXPECT_EQ(editor.Model().rowCount(), 1);
    Type("chat", Qt::Key_Tab);
    // Keys the cell's editor leaves alone, such as Shift, reach the table on their way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    Type("cat", Qt::Key_Return);
    EXPECT_EQ(editor.Table().currentIndex(), editor.Model().index(1, 0));
    Type("chien", Qt::Key_Tab);
    Type("dog", Qt::Key_Return);
    EXPECT_EQ(Rows(editor), "chat=cat; chien=dog");
    EXPECT_EQ(editor.Model().rowCount(), 3);
    EXPECT_EQ(editor.Table().currentIndex(), editor.Model().index(2, 0));
    // Without Tab, Enter goes straight down.
    editor.Table().setCurrentIndex(editor.Model().index(0, 1));
    QTest::keyClick(&editor.Table(), Qt::Key_Return);
    EXPECT_EQ(editor.Table().currentIndex(), editor.Model().index(1, 1));
    editor.Description().setText("Animals");
    emit editor.Description().editingFinished();
    EXPECT_TRUE(editor.windowTitle().contains("[*]"));
    EXPECT_TRUE(editor.isWindowModified());

    for (const char* name : {"a.txt", "a.tsv", "a.csv", "a.kvtml"}) {
        answers->paths.push_back(QString::fromStdString(Path(name)));
        editor.ActionNamed("saveAs")->trigger();
        EXPECT_FALSE(editor.isWindowModified()) << name;
        GameState state;
        RecordingHost host;
        ASSERT_EQ(OpenFileAtPath(state, host, Path(name)), OpenResult::Dealt) << name;
        EXPECT_EQ(ListText(state.WordList), "chat=cat; chien=dog") << name;
    }
    EXPECT_EQ(ReadBytes(Path("a.txt")), "Animals\nchat\ncat\nchien\ndog\n");
    EXPECT_EQ(answers->asked, QStringList({"save as", "save as", "save as", "save as"}));
}

// Every kind of edit is one step back and forth, down to the list as it was opened.
TEST_F(WordListEditorTest, UndoStepsBackThroughEveryKindOfEdit) {
    OpenList(3);
    Trigger(CommandId::EditWordList);
    WordListEditor& editor = Editor();
    WordListModel& model = editor.Model();
    const QString opened = Rows(editor);
    ASSERT_EQ(opened, "word0=mot0; word1=mot1; word2=mot2");

    std::vector<QString> states{opened};
    const auto step = [&](const std::function<void()>& edit) {
        edit();
        states.push_back(Rows(editor));
    };
    step([&] { model.setData(model.index(0, 1), "MOT", Qt::EditRole); });
    step([&] { model.setData(model.index(3, 0), "new", Qt::EditRole); });
    step([&] { model.InsertEmptyRows(1, 1); });
    step([&] { model.RemovePairRows(1, 2); });
    step([&] { model.MoveRow(0, 2); });
    step([&] { model.sort(WordListModel::TranslationColumn, Qt::DescendingOrder); });
    step([&] { model.PasteRows(1, "p\tq\nr\ts\n"); });
    EXPECT_EQ(states.back(), "word2=mot2; p=q; r=s; word0=MOT; new=");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        editor.ActionNamed("undo")->trigger();
        EXPECT_EQ(Rows(editor), states[i - 1]) << i;
    }
    EXPECT_FALSE(editor.isWindowModified());
    for (std::size_t i = 1; i < states.size(); ++i) {
        editor.ActionNamed("redo")->trigger();
        EXPECT_EQ(Rows(editor), states[i]) << i;
    }
    editor.Description().setText("Changed");
    emit editor.Description().editingFinished();
    editor.ActionNamed("undo")->trigger();
    EXPECT_EQ(editor.Description().text(), "Test list");
    // Redo has the game window's keys.
    QApplication::setActiveWindow(&editor);
    editor.Table().setFocus();
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
        QTest::keyClick(&editor.Table(), keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(editor.Description().text(), "Changed") << keys.toCombined();
        editor.ActionNamed("undo")->trigger();
    }
}

TEST_F(WordListEditorTest, PastesCopiesFindsAndNamesColumnsAfterTheLanguages) {
    const QString list = QString::fromStdString(files.Write(
        "list.kvtml", "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>fr</locale>"
                      "</identifier><identifier id=\"1\"><name>English</name></identifier>"
                      "</identifiers><entries><entry><translation id=\"0\"><text>chat</text>"
                      "</translation><translation id=\"1\"><text>cat</text></translation>"
                      "</entry></entries></kvtml>"));
    Open(list);
    Trigger(CommandId::EditWordList);
    WordListEditor& editor = Editor();
    EXPECT_EQ(editor.Path(), list);
    const QAbstractItemModel& model = editor.Model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString() + "|" +
                  model.headerData(1, Qt::Horizontal).toString(),
              "French|English");

    QApplication::clipboard()->setText("chien\tdog\r\ncheval\thorse\r\n");
    editor.Table().setCurrentIndex(editor.Model().index(1, 0));
    editor.ActionNamed("pasteRows")->trigger();
    EXPECT_EQ(Rows(editor), "chat=cat; chien=dog; cheval=horse");
    editor.Table().selectionModel()->select(
        QItemSelection(editor.Model().index(1, 0), editor.Model().index(2, 1)),
        QItemSelectionModel::ClearAndSelect);
    editor.ActionNamed("copyRows")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "chien\tdog\ncheval\thorse\n");

    editor.ActionNamed("find")->trigger();
    EXPECT_TRUE(editor.FindField().isVisible());
    editor.Table().setCurrentIndex(editor.Model().index(0, 0));
    EXPECT_TRUE(editor.FindNext("HORSE"));
    EXPECT_EQ(editor.Table().currentIndex(), editor.Model().index(2, 1));
    EXPECT_TRUE(editor.FindNext("ch"));
    EXPECT_EQ(editor.Table().currentIndex(), editor.Model().index(0, 0));
    EXPECT_FALSE(editor.FindNext("zebra"));
    // The header sorts, a second click the other way round.
    emit editor.Table().horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Rows(editor), "chat=cat; chien=dog; cheval=horse");
    emit editor.Table().horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Rows(editor), "cheval=horse; chien=dog; chat=cat");

    // Where the list names no language, the script of its words may.
    Open(QString::fromStdString(files.Write("ru.txt", "Animals\nсобака\ndog\n")));
    Trigger(CommandId::EditWordList);
    EXPECT_EQ(Editor().Model().headerData(0, Qt::Horizontal).toString() + "|" +
                  Editor().Model().headerData(1, Qt::Horizontal).toString(),
              "Russian|Translation");
}

// Checks show at the row; only those that would lose pairs keep the list from being saved.
TEST_F(WordListEditorTest, ChecksShowAtTheRowAndBlockSavingOnlyWhereTheyMust) {
    WordListEditor& editor = NewEditor();
    WordListModel& model = editor.Model();
    model.PasteRows(0, "10:30\thalf past ten\nchat\tcat\nchat\tcat\nlonely\t\n");
    EXPECT_EQ(model.index(0, WordListModel::NotesColumn).data().toString(),
              "A saved game writes ':' as '-'.");
    EXPECT_EQ(model.index(2, WordListModel::NotesColumn).data().toString(),
              "This pair is in the list already.");
    EXPECT_EQ(model.index(3, 1).data(Qt::ToolTipRole).toString(), "A word is missing.");
    EXPECT_EQ(editor.Summary(), "4 pairs. 1 row must be corrected before the list can be saved.");
    answers->paths.push_back(QString::fromStdString(Path("blocked.txt")));
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(answers->asked, QStringList({"Row 4: A word is missing.\nThe list is not saved "
                                           "until this is corrected."}));
    EXPECT_EQ(editor.Table().currentIndex().row(), 3);
    EXPECT_FALSE(std::filesystem::exists(Path("blocked.txt")));
    model.setData(model.index(3, 1), "alone", Qt::EditRole);
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(ReadBytes(Path("blocked.txt")),
              "\n10:30\nhalf past ten\nchat\ncat\nchat\ncat\nlonely\nalone\n");
}

// A list that cannot be written says why, in the system's words.
TEST_F(WordListEditorTest, SaveWhereNoFileCanBeWrittenSaysWhy) {
    WordListEditor& editor = NewEditor();
    editor.Model().PasteRows(0, "chat\tcat\n");
    const std::filesystem::path locked = files.path() / "locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    std::vector<std::pair<std::string, QString>> cases{
        {Path("none/a.txt"), "No such file or directory"}};
    if (geteuid() != 0) {
        cases.emplace_back((locked / "a.txt").string(), "Permission denied"); // not for root
    }
    for (const auto& [path, reason] : cases) {
        answers->asked.clear();
        answers->paths.push_back(QString::fromStdString(path));
        editor.ActionNamed("saveAs")->trigger();
        EXPECT_EQ(answers->asked,
                  QStringList({"save as", QString::fromStdString("Can't write the file\n" + path) +
                                              " (" + reason + ")"}));
        EXPECT_TRUE(editor.isWindowModified());
    }
}

TEST_F(WordListEditorTest, CountOfPairsTakesItsPluralAndTheEditorFitsTheScreen) {
    WordListEditor& editor = NewEditor();
    const std::pair<const char*, QString> steps[] = {
        {"", "0 pairs."}, {"un\tone\n", "1 pair."}, {"deux\ttwo\n", "2 pairs."}};
    for (const auto& [pasted, summary] : steps) {
        editor.Model().PasteRows(0, pasted);
        EXPECT_EQ(editor.Summary(), summary) << pasted;
    }
    // It opens over the game's window, wherever that is, and whole on the screen.
    const QRect screen = frame->screen()->availableGeometry();
    for (const QPoint corner : {screen.topLeft(), screen.center(), screen.bottomRight()}) {
        frame->setGeometry(QRect(corner - QPoint(100, 100), QSize(200, 200)));
        WordListEditor& placed = NewEditor();
        EXPECT_TRUE(screen.contains(placed.frameGeometry())) << corner.x();
        EXPECT_TRUE(placed.frameGeometry().intersects(frame->frameGeometry())) << corner.x();
        placed.close();
    }
}

// Closing with changes asks; Save and Deal puts the list in play.
TEST_F(WordListEditorTest, ClosingAsksAndSaveAndDealPutsTheListInPlay) {
    WordListEditor* editor = &NewEditor();
    editor->Model().PasteRows(0, "chat\tcat\nchien\tdog\n");
    answers->choices = {SaveChoice::Cancel, SaveChoice::Save};
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(answers->asked, QStringList({"save changes?"}));
    answers->paths.push_back(QString::fromStdString(Path("dealt.tsv")));
    editor->ActionNamed("saveAndDeal")->trigger();
    EXPECT_EQ(ListText(State().WordList), "chat=cat; chien=dog");
    EXPECT_EQ(TilesOnBoard(), 4);
    EXPECT_TRUE(editor->close());
    // File > New opens an empty editor; discarding its changes closes it without a file.
    Trigger(CommandId::FileNew);
    editor = &Editor();
    EXPECT_EQ(editor->Model().rowCount(), 1);
    editor->Model().PasteRows(0, "x\ty\n");
    answers->choices = {SaveChoice::Discard};
    EXPECT_TRUE(editor->close());
}

TEST_F(WordListEditorTest, EveryControlHasANameAndTheWorksheetIsPreviewed) {
    WordListEditor& editor = NewEditor();
    for (QWidget* control : std::initializer_list<QWidget*>{&editor.Table(), &editor.Description(),
                                                            &editor.FindField()}) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
    }
    // A screen reader reads each cell's words and the checks' notes.
    editor.Model().PasteRows(0, "שלום\t\n");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(&editor.Table())->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->cellAt(0, 0)->text(QAccessible::Name), "שלום");
    EXPECT_EQ(cells->cellAt(0, 2)->text(QAccessible::Name), "A word is missing.");
    OpenList(9);
    bool previewed = false;
    AnswerWhenShown<WorksheetDlg>([](WorksheetDlg& dialog) {
        dialog.LayoutButton(WorksheetLayout::Cards)->setChecked(true);
        dialog.accept();
    });
    QMarginsF margins;
    AnswerWhenShown<QPrintPreviewDialog>([&previewed, &margins](QPrintPreviewDialog& dialog) {
        previewed = true;
        margins = dialog.printer()->pageLayout().margins(QPageLayout::Millimeter);
        dialog.reject();
    });
    Trigger(CommandId::PrintWorksheet);
    EXPECT_TRUE(previewed);
    // As wide as the PDF's that the command line writes.
    EXPECT_EQ(margins, QMarginsF(15, 15, 15, 15));
}

} // namespace
