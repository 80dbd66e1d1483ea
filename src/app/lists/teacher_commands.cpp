#include "app/lists/teacher_commands.h"

#include "app/base/game_in_play.h"
#include "app/base/language_choices.h"
#include "app/lists/editor_prompter.h"
#include "app/lists/word_list_editor.h"
#include "files/open_file.h"
#include "game/game_state.h"
#include "game/word_list_command.h"
#include "learning/progress_store.h"
#include "print/worksheet_painter.h"
#include "view/dialogs/worksheet_dlg.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace {

// Over the game's window, and whole on its screen however small that is: a window manager
// leaves a new window where it is told, part of it out of reach.
void PlaceOver(QWidget& window, const QWidget& game) {
    // Its frame, not known before it is shown, is taken to be as wide as the game's.
    const QRect outer = game.frameGeometry();
    const QRect inner = game.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect room = game.screen()->availableGeometry().marginsRemoved(frame);
    QRect place({}, window.size().boundedTo(room.size()));
    place.moveCenter(inner.center());
    place.moveTo(std::clamp(place.x(), room.left(), room.right() + 1 - place.width()),
                 std::clamp(place.y(), room.top(), room.bottom() + 1 - place.height()));
    window.setGeometry(place);
}

} // namespace

TeacherCommands::TeacherCommands(GameInPlay& game, QAction& fileNew, QAction& newWordList,
                                 QAction& editWordList, QAction& printWorksheet)
    : QObject(&game), game_(game),
      makePrompter_([] { return std::make_unique<QtEditorPrompter>(); }) {
    connect(&fileNew, &QAction::triggered, this, &TeacherCommands::NewWordList);
    connect(&newWordList, &QAction::triggered, this, &TeacherCommands::NewWordList);
    connect(&editWordList, &QAction::triggered, this, &TeacherCommands::EditWordList);
    connect(&printWorksheet, &QAction::triggered, this, &TeacherCommands::PrintWorksheet);
}

void TeacherCommands::SetEditorPrompters(std::function<std::unique_ptr<EditorPrompter>()> make) {
    makePrompter_ = std::move(make);
}

bool TeacherCommands::CloseEditors() {
    for (WordListEditor* editor :
         game_.Window().window()->findChildren<WordListEditor*>(Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible() && !editor->close()) {
            return false;
        }
    }
    return true;
}

void TeacherCommands::NewWordList() {
    OpenEditor(QString(), {}, std::string(), {}, {});
}

void TeacherCommands::NewWordListOf(const std::string& description, const WordPairList& pairs) {
    OpenEditor(QString(), {}, description, pairs, {});
}

void TeacherCommands::EditWordList() {
    const GameState& state = game_.State();
    if (RefuseWithoutWordList(state, game_.Host())) {
        return;
    }
    const QString path = QFile::decodeName(state.ListPath.c_str());
    if (state.Identity.kind == GameKind::List && state.Reading) {
        OpenEditor(path, *state.Reading, state.FileDescription, state.WordList,
                   ChosenListLanguages(state));
        return;
    }
    // A practice, a review or a saved game's copy is not the list: the list is read again from
    // its file, or the pairs in play become a new one.
    const std::optional<GameState> list =
        state.ListPath.empty()
            ? std::nullopt
            : ReadListQuietly(state.ListPath,
                              state.Reading ? state.Reading->choice : ImportChoice{});
    if (list) {
        OpenEditor(path, *list->Reading, list->FileDescription, list->WordList,
                   ChosenListLanguages(*list));
    } else {
        OpenEditor(QString(), {}, state.FileDescription, state.WordList,
                   ChosenListLanguages(state));
    }
}

WordListEditor* TeacherCommands::OpenEditor(const QString& path, const ListReading& reading,
                                            const std::string& description,
                                            const WordPairList& pairs,
                                            const ListLanguages& languages) {
    auto* editor = new WordListEditor(path, reading, description, pairs, languages, makePrompter_(),
                                      game_.Window().window());
    editor->setWindowFlag(Qt::Window);
    connect(editor, &WordListEditor::DealRequested, this, [this](const QString& saved) {
        game_.Replace([&saved](GameDealer& dealer) { dealer.OpenPath(saved); });
    });
    connect(editor, &QObject::destroyed, this, [this, editor] {
        if (lastEditor_ == editor) {
            lastEditor_ = nullptr;
        }
    });
    lastEditor_ = editor;
    PlaceOver(*editor, *game_.Window().window());
    editor->show();
    editor->activateWindow();
    return editor;
}

void TeacherCommands::PrintWorksheet() {
    const GameState& state = game_.State();
    if (RefuseWithoutWordList(state, game_.Host())) {
        return;
    }
    WorksheetDlg dialog(game_.Window().window());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const Worksheet sheet = MakeWorksheet(state.FileDescription, state.WordList, dialog.Options());
    QPrinter printer(QPrinter::HighResolution);
    // The title a PDF printed from here carries.
    printer.setDocName(QString::fromStdString(sheet.title));
    printer.setPageMargins(WorksheetMargins, QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, game_.Window().window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter* target) { PaintWorksheet(*target, sheet); });
    preview.exec();
}
