#include "app/lists/editor_prompter.h"
#include "app/lists/teacher_commands.h"
#include "app/lists/word_list_editor.h"
#include "files/media_file.h"
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
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <tuple>
#include <unistd.h>

namespace {

// The editors' questions, answered from queues and written down in order.
struct EditorAnswers {
    QStringList asked;
    std::deque<QString> paths;
    std::deque<SaveChoice> choices;
    // Answers to "Save as a new file?"; No once they run out.
    std::deque<bool> newFiles;
    std::deque<QString> media;
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
    bool AskSaveAsNewFile(QWidget*, const QString& reason) override {
        answers_->asked << reason;
        return NextAnswer(answers_->newFiles, false);
    }
    void ShowMessage(QWidget*, const QString& text) override { answers_->asked << text; }
    QString ChooseMediaFile(QWidget*, MediaKind kind) override {
        answers_->asked << (kind == MediaKind::Picture ? "picture" : "sound");
        return NextAnswer(answers_->media, QString());
    }

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
    EXPECT_EQ(model.index(0, WordListModel::ChecksColumn).data().toString(),
              "A saved game writes ':' as '-'.");
    EXPECT_EQ(model.index(2, WordListModel::ChecksColumn).data().toString(),
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

// Save writes over a list's file only when the list holds all of it; otherwise it says why and
// asks for a new file, and the old one stays as it was.
TEST_F(WordListEditorTest, SaveAsksForANewFileWhereWritingOverWouldLoseWhatTheFileHolds) {
    const struct {
        const char* name;
        std::string text;
        std::optional<ImportChoice> imported;
        QString reason;
    } cases[] = {
        {"four.csv", "id,French,note,English\n1,chat,x,cat\n",
         ImportChoice{.headerRow = true, .columns = ColumnPair{1, 3}},
         "This file has 4 columns; the list uses 2. Save as a new file?"},
        {"blank.txt", "Animals\nchat\ncat\n\nchien\ndog\n", std::nullopt,
         "The list holds only part of this file: a blank line ended it, or a long line was read "
         "as several words. Save as a new file?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QString::fromStdString(files.Write(c.name, c.text));
        prompter->filesToOpen.push_back(path);
        if (c.imported) {
            prompter->importChoices.push_back(*c.imported);
        }
        Trigger(c.imported ? CommandId::FileImport : CommandId::FileOpen);
        ASSERT_EQ(ListText(State().WordList), "chat=cat");
        Trigger(CommandId::EditWordList);
        WordListEditor& editor = Editor();
        EXPECT_EQ(editor.Path(), path);
        editor.Model().setData(editor.Model().index(1, 0), "chien", Qt::EditRole);
        editor.Model().setData(editor.Model().index(1, 1), "dog", Qt::EditRole);
        answers->asked.clear();
        answers->newFiles = {false, true};
        EXPECT_FALSE(editor.Save());
        const QString copy = QString::fromStdString(Path("copy.tsv"));
        answers->paths = {copy};
        EXPECT_TRUE(editor.Save());
        EXPECT_EQ(answers->asked, QStringList({c.reason, c.reason, "save as"}));
        EXPECT_EQ(ReadBytes(path.toStdString()), c.text);
        EXPECT_EQ(ReadBytes(copy.toStdString()), "chat\tcat\r\nchien\tdog\r\n");
        // The new file holds the list alone: it is written over without a question.
        editor.Model().setData(editor.Model().index(0, 1), "kitten", Qt::EditRole);
        EXPECT_TRUE(editor.Save());
        EXPECT_EQ(answers->asked.size(), 3);
        EXPECT_EQ(ReadBytes(copy.toStdString()), "chat\tkitten\r\nchien\tdog\r\n");
        editor.close();
    }
}

// Missed pairs are not the list: the editor opens the list they came from, and leaves its file
// alone while nothing is changed.
TEST_F(WordListEditorTest, AfterPlayMissedPairsTheEditorOpensTheWholeListAndWritesOnlyChanges) {
    UseProgressStoreInTestFolder();
    const QString list = WordList("list.txt", 5);
    const std::string text = ReadBytes(list.toStdString());
    Open(list);
    learningPrompter->afterGame.push_back(AfterGame::PlayMissedPairs);
    prompter->saveChoices.push_back(SaveChoice::Discard);
    Trigger(CommandId::FastAutoFinish);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !learningPrompter->reports.empty(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return State().FileDescription == "Missed pairs: Test list"; }, 5000));
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(list.toStdString(), old);

    Trigger(CommandId::EditWordList);
    WordListEditor& editor = Editor();
    EXPECT_EQ(editor.Path(), list);
    EXPECT_EQ(editor.Description().text(), "Test list");
    EXPECT_EQ(editor.Model().Pairs().size(), 5u);
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(std::filesystem::last_write_time(list.toStdString()), old);
    editor.Model().setData(editor.Model().index(5, 0), "word5", Qt::EditRole);
    editor.Model().setData(editor.Model().index(5, 1), "mot5", Qt::EditRole);
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(ReadBytes(list.toStdString()), text + "word5\nmot5\n");
    EXPECT_TRUE(answers->asked.isEmpty());
    // Save and Deal puts the list in place of a game with changes only once the player agrees.
    Trigger(CommandId::Hint);
    prompter->asked.clear();
    prompter->saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    editor.ActionNamed("saveAndDeal")->trigger();
    EXPECT_EQ(State().FileDescription, "Missed pairs: Test list");
    editor.ActionNamed("saveAndDeal")->trigger();
    EXPECT_EQ(prompter->asked, QStringList({"save game?", "save game?"}));
    EXPECT_EQ(State().WordList.size(), 6u);

    // Today's Review comes from no one list: its pairs are a new list.
    frame->Game().Replace([](GameDealer& dealer) {
        dealer.DealReview({{{"review", "chat", "cat"}, {}, {}}});
    });
    Trigger(CommandId::EditWordList);
    EXPECT_TRUE(Editor().Path().isEmpty());
    EXPECT_EQ(Rows(Editor()), "chat=cat");
}

// Notes stand in a column of their own: edits of the words keep them, and each is saved on its
// word's line.
TEST_F(WordListEditorTest, ANoteHasAColumnOfItsOwnAndStaysWithItsPairThroughEdits) {
    const std::string list =
        files.Write("notes.txt",
                    "Notes\nla casa [note=Es una casa.]\nthe house\nel perro\nthe dog [note=m.]\n");
    Open(QString::fromStdString(list));
    Trigger(CommandId::EditWordList);
    WordListEditor& editor = Editor();
    WordListModel& model = editor.Model();
    const auto cells = [&model](int row) {
        QStringList texts;
        for (int column = 0; column < WordListModel::ChecksColumn; ++column) {
            texts << model.index(row, column).data().toString();
        }
        return texts.join('|');
    };
    EXPECT_EQ(model.headerData(WordListModel::NoteColumn, Qt::Horizontal).toString(), "Note");
    EXPECT_EQ(cells(0), "la casa|the house|Es una casa.");
    EXPECT_EQ(cells(1), "el perro|the dog|m.");
    const auto edit = [&model](int row, int column, const char* text) {
        EXPECT_TRUE(model.setData(model.index(row, column), text, Qt::EditRole)) << text;
    };
    edit(0, WordListModel::WordColumn, "la casita");
    edit(1, WordListModel::NoteColumn, "masculino");
    edit(2, WordListModel::NoteColumn, "nuevo");
    edit(2, WordListModel::WordColumn, "el gato");
    edit(2, WordListModel::TranslationColumn, "the cat");
    EXPECT_EQ(cells(2), "el gato|the cat|nuevo");
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(ReadBytes(list), "Notes\nla casita [note=Es una casa.]\nthe house\nel perro "
                               "[note=masculino]\nthe dog\nel gato [note=nuevo]\nthe cat\n");
    editor.ActionNamed("undo")->trigger();
    editor.ActionNamed("undo")->trigger();
    editor.ActionNamed("undo")->trigger();
    editor.ActionNamed("undo")->trigger();
    EXPECT_EQ(cells(1), "el perro|the dog|m.");
}

// Exit asks about the game, then about each editor's changes; a Cancel anywhere keeps every
// window, and the main window never closes before the editors.
TEST_F(WordListEditorTest, ExitCancelledAtAnyQuestionKeepsEveryWindow) {
    frame->show();
    OpenLaidOutGame();
    Click(1, 4);
    Click(3, 4);
    WordListEditor* editor = &NewEditor();
    editor->Model().PasteRows(0, "chat\tcat\n");
    const struct {
        SaveChoice game;
        std::optional<SaveChoice> editor;
        bool closed;
    } cases[] = {
        {SaveChoice::Cancel, std::nullopt, false},
        {SaveChoice::Discard, SaveChoice::Cancel, false},
        {SaveChoice::Discard, SaveChoice::Discard, true},
    };
    for (const auto& c : cases) {
        prompter->saveChoices = {c.game};
        answers->choices.clear();
        if (c.editor) {
            answers->choices.push_back(*c.editor);
        }
        Trigger(CommandId::AppExit);
        EXPECT_EQ(frame->isVisible(), !c.closed);
        EXPECT_EQ(editor->isVisible(), !c.closed);
        EXPECT_EQ(answers->choices.size(), 0u);
    }
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
    EXPECT_EQ(cells->cellAt(0, WordListModel::ChecksColumn)->text(QAccessible::Name),
              "A word is missing.");
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

// A picture and a sound go into a cell through Edit's items, a dropped file and a pasted picture:
// each is copied beside the list under a name of its own, named in the cell's line, shown as a
// thumbnail, and the list saved with them opens with them.
TEST_F(WordListEditorTest, InsertedMediaAreCopiedBesideTheListShownAndSavedWithIt) {
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    std::filesystem::create_directories(files.path() / "elsewhere");
    ASSERT_TRUE(red.save(QString::fromStdString(Path("elsewhere/cat.png")), "PNG"));
    files.Write("elsewhere/cat.ogg", std::string("OggS\0\x02", 6));
    files.Write("elsewhere/notes.png", "not a picture");
    Open(QString::fromStdString(files.Write("animals.txt", "Animals\nKatze\ncat\nHund\ndog\n")));
    Trigger(CommandId::EditWordList);
    WordListEditor& editor = Editor();
    WordListModel& model = editor.Model();
    const auto insert = [&](int row, int column, const char* action, const char* file) {
        editor.Table().setCurrentIndex(model.index(row, column));
        answers->media.push_back(QString::fromStdString(Path(file)));
        editor.ActionNamed(action)->trigger();
    };
    insert(0, 0, "insertPicture", "elsewhere/cat.png");
    insert(0, 1, "insertSound", "elsewhere/cat.ogg");
    insert(1, 0, "insertPicture", "elsewhere/cat.png");
    insert(1, 1, "insertPicture", "elsewhere/notes.png");
    insert(1, 1, "insertSound", "elsewhere/cat.png");
    EXPECT_EQ(Rows(editor),
              "Katze [image=animals_media/cat.png]=cat [sound=animals_media/cat.ogg]; "
              "Hund [image=animals_media/cat-2.png]=dog");
    ASSERT_EQ(answers->asked.size(), 7);
    EXPECT_TRUE(answers->asked[4].startsWith("notes.png is not a picture"))
        << answers->asked[4].toStdString();
    EXPECT_TRUE(answers->asked[6].startsWith("cat.png is not a recording"))
        << answers->asked[6].toStdString();
    EXPECT_EQ(ReadBytes(Path("animals_media/cat-2.png")), ReadBytes(Path("elsewhere/cat.png")));

    // A dropped file takes the cell it lands on, by its kind.
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("elsewhere/cat.ogg")))});
    const QPoint onCell = editor.Table().visualRect(model.index(1, 1)).center();
    // As a real drag does, the table is entered first: a drop only follows an accepted entry.
    QDragEnterEvent enter(onCell, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.Table().viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(onCell, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.Table().viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    // A picture copied in another program is pasted as a PNG file.
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QApplication::clipboard()->setImage(blue);
    editor.Table().setCurrentIndex(model.index(1, 1));
    editor.ActionNamed("pasteRows")->trigger();
    EXPECT_EQ(model.Pairs()[1].TextB,
              "dog [image=animals_media/pasted.png] [sound=animals_media/cat-2.ogg]");
    EXPECT_EQ(QImage(QString::fromStdString(Path("animals_media/pasted.png"))).pixel(4, 4),
              QColor(Qt::blue).rgb());

    // The red picture's thumbnail, a speaker's for a sound alone, nothing for plain words.
    const QPixmap thumbnail = model.index(0, 0).data(Qt::DecorationRole).value<QPixmap>();
    ASSERT_FALSE(thumbnail.isNull());
    EXPECT_EQ(thumbnail.toImage().pixel(16, 16), QColor(Qt::red).rgb());
    EXPECT_FALSE(model.index(0, 1).data(Qt::DecorationRole).value<QPixmap>().isNull());
    EXPECT_FALSE(model.index(2, 0).data(Qt::DecorationRole).isValid());

    // Pictures, sounds and references that could not be used, as the saved file names them.
    const auto savedMedia = [&](const char* list) {
        GameState state;
        RecordingHost host;
        EXPECT_EQ(OpenFileAtPath(state, host, Path(list)), OpenResult::Dealt);
        const MediaCounts counts = CountMedia(state.WordList, Path(list));
        return std::tuple(counts.pictures, counts.sounds, counts.missing);
    };
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(savedMedia("animals.txt"), std::tuple(3, 2, 0));
    // Saved into another folder, the list takes its media along and still shows them.
    std::filesystem::create_directories(files.path() / "other");
    answers->paths = {QString::fromStdString(Path("other/zoo.txt"))};
    editor.ActionNamed("saveAs")->trigger();
    EXPECT_EQ(savedMedia("other/zoo.txt"), std::tuple(3, 2, 0));
    EXPECT_TRUE(std::filesystem::exists(Path("other/zoo_media/cat.png")));
    EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());
}

// Media are kept beside the list's file: a new list is saved first, or gets none.
TEST_F(WordListEditorTest, ANewListIsSavedBeforeItTakesAPicture) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(Path("red.png")), "PNG"));
    WordListEditor& editor = NewEditor();
    answers->media = {QString::fromStdString(Path("red.png"))};
    editor.ActionNamed("insertPicture")->trigger();
    EXPECT_EQ(answers->asked.size(), 1);
    EXPECT_TRUE(answers->asked[0].startsWith("Pictures and sounds are kept in a folder"));
    EXPECT_EQ(Rows(editor), "");
    answers->newFiles = {true};
    answers->paths = {QString::fromStdString(Path("colours.txt"))};
    editor.ActionNamed("insertPicture")->trigger();
    EXPECT_EQ(answers->asked.mid(1), QStringList({answers->asked[0], "save as", "picture"}));
    EXPECT_EQ(editor.Path(), QString::fromStdString(Path("colours.txt")));
    EXPECT_EQ(Rows(editor), "[image=colours_media/red.png]=");
    EXPECT_TRUE(std::filesystem::exists(Path("colours_media/red.png")));
}

} // namespace
