#include "app/lists/word_list_editor.h"

#include "app/lists/editor_prompter.h"
#include "files/edited_list.h"
#include "files/language_names.h"
#include "files/media_export.h"
#include "files/utf8_text.h"
#include "view/board/message_text.h"
#include "view/dialogs/word_list_model.h"
#include "view/dialogs/word_table.h"
#include "words/script_language.h"
#include "words/side_line.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QUndoCommand>
#include <QVBoxLayout>

namespace {

// A change of the description, made when the field is left.
class DescriptionCommand : public QUndoCommand {
public:
    DescriptionCommand(QLineEdit& field, QString& committed, QString before, QString after)
        : QUndoCommand(QCoreApplication::translate("WordListEditor", "Edit Description")),
          field_(field), committed_(committed), before_(std::move(before)),
          after_(std::move(after)) {}
    void redo() override { Show(after_); }
    void undo() override { Show(before_); }

private:
    void Show(const QString& text) {
        committed_ = text;
        field_.setText(text);
    }
    QLineEdit& field_;
    QString& committed_;
    QString before_;
    QString after_;
};

QString HeaderName(const std::string& named) {
    return QString::fromStdString(AsUtf8(LabelLanguage(named).name));
}

} // namespace

WordListEditor::WordListEditor(const QString& path, const ListReading& reading,
                               const std::string& description, const WordPairList& pairs,
                               const ListLanguages& languages,
                               std::unique_ptr<EditorPrompter> prompter, QWidget* parent)
    : QMainWindow(parent), model_(new WordListModel(undo_, this)), table_(new WordTable),
      description_(new QLineEdit), find_(new QLineEdit), summary_(new QLabel), path_(path),
      notInPlace_(path.isEmpty()
                      ? std::nullopt
                      : WhyNotSaveInPlace(QFile::encodeName(path).toStdString(), reading)),
      committedDescription_(QString::fromStdString(AsUtf8(description))), languages_(languages),
      prompter_(std::move(prompter)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("WordListEditor"));
    model_->SetPairs(pairs);
    // A side the list names no language for may still tell it by its script.
    const auto header = [&pairs](const std::string& named, ListSide side) {
        return HeaderName(named.empty() ? GuessLanguageFromScript(pairs, side) : named);
    };
    model_->SetLanguageNames(header(languages.TextA, ListSide::TextA),
                             header(languages.TextB, ListSide::TextB));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* form = new QFormLayout;
    description_->setText(committedDescription_);
    description_->setAccessibleName(tr("Description"));
    form->addRow(tr("&Description:"), description_);
    layout->addLayout(form);

    table_->setModel(model_);
    model_->SetListPath(ListFile());
    table_->setIconSize(QSize(32, 32));
    table_->viewport()->setAcceptDrops(true);
    table_->viewport()->installEventFilter(this);
    table_->setAccessibleName(tr("Word pairs"));
    table_->setAccessibleDescription(
        tr("Type a word, Tab for its translation, Enter for the next row."));
    table_->horizontalHeader()->resizeSection(WordListModel::WordColumn, 210);
    table_->horizontalHeader()->resizeSection(WordListModel::TranslationColumn, 210);
    table_->horizontalHeader()->resizeSection(WordListModel::NoteColumn, 160);
    layout->addWidget(table_);

    find_->setAccessibleName(tr("Find"));
    find_->setPlaceholderText(tr("Find a word (Enter for the next one, Esc to close)"));
    find_->setClearButtonEnabled(true);
    find_->hide();
    layout->addWidget(find_);
    summary_->setAccessibleName(tr("Checks"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    setCentralWidget(central);

    CreateActions();
    connect(description_, &QLineEdit::editingFinished, this, &WordListEditor::CommitDescription);
    connect(find_, &QLineEdit::returnPressed, this, [this] {
        if (!FindNext(find_->text())) {
            summary_->setText(tr("\"%1\" is not in the list.").arg(find_->text()));
        }
    });
    // A click on a header sorts by that column, a second click the other way round.
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        QHeaderView* header = table_->horizontalHeader();
        const Qt::SortOrder order = header->isSortIndicatorShown() &&
                                            header->sortIndicatorSection() == column &&
                                            header->sortIndicatorOrder() == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        header->setSortIndicatorShown(true);
        header->setSortIndicator(column, order);
        model_->sort(column, order);
    });
    connect(model_, &WordListModel::FindingsChanged, this, &WordListEditor::UpdateSummary);
    connect(&undo_, &QUndoStack::cleanChanged, this, &WordListEditor::UpdateTitle);
    UpdateTitle();
    UpdateSummary();
    table_->setCurrentIndex(model_->index(0, WordListModel::WordColumn));
    table_->setFocus();
    resize(760, 560);
}

WordListEditor::~WordListEditor() {
    // The stack says it is clean again while it is destroyed, when the title's parts are gone.
    undo_.disconnect(this);
}

void WordListEditor::CreateActions() {
    struct Entry {
        const char* name;
        QString text;
        QKeySequence keys;
        std::function<void()> run;
    };
    QAction* undo = undo_.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_.createRedoAction(this, tr("&Redo"));
    // As in the game's window, whatever the desktop's own habit.
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    struct Menu {
        QString title;
        std::vector<QAction*> first;
        std::vector<Entry> entries;
    };
    const std::vector<Menu> menus{
        {tr("&File"),
         {},
         {{"save", tr("&Save"), QKeySequence::Save, [this] { Save(); }},
          {"saveAs", tr("Save &As..."), QKeySequence::SaveAs, [this] { SaveAs(); }},
          {"saveAndDeal", tr("Save and &Deal"), QKeySequence(tr("Ctrl+D")),
           [this] {
               if (Save()) {
                   emit DealRequested(path_);
               }
           }},
          {"close", tr("&Close"), QKeySequence::Close, [this] { close(); }}}},
        {tr("&Edit"),
         {undo, redo},
         {{"copyRows", tr("&Copy Rows"), QKeySequence::Copy, [this] { CopyRows(); }},
          {"pasteRows", tr("&Paste Rows"), QKeySequence::Paste, [this] { PasteRows(); }},
          {"insertRow", tr("&Insert Row"), QKeySequence(tr("Ctrl+I")),
           [this] { model_->InsertEmptyRows(SelectedRows().first, 1); }},
          {"deleteRows", tr("&Delete Rows"), QKeySequence(tr("Ctrl+Del")),
           [this] {
               const auto [first, count] = SelectedRows();
               model_->RemovePairRows(first, count);
           }},
          {"moveUp", tr("Mo&ve Row Up"), QKeySequence(tr("Alt+Up")),
           [this] { MoveCurrentRow(-1); }},
          {"moveDown", tr("Move Row Do&wn"), QKeySequence(tr("Alt+Down")),
           [this] { MoveCurrentRow(1); }},
          {"insertPicture", tr("Insert Pictur&e..."), QKeySequence(),
           [this] { InsertChosenMedia(MediaKind::Picture); }},
          {"insertSound", tr("Insert &Sound..."), QKeySequence(),
           [this] { InsertChosenMedia(MediaKind::Sound); }},
          {"find", tr("&Find..."), QKeySequence::Find, [this] { ShowFind(); }},
          {"sortWords", tr("S&ort by Word"), QKeySequence(),
           [this] { model_->sort(WordListModel::WordColumn, Qt::AscendingOrder); }},
          {"sortTranslations", tr("Sort by &Translation"), QKeySequence(),
           [this] { model_->sort(WordListModel::TranslationColumn, Qt::AscendingOrder); }}}},
    };
    for (const Menu& layout : menus) {
        QMenu* menu = menuBar()->addMenu(layout.title);
        if (!layout.first.empty()) {
            for (QAction* action : layout.first) {
                menu->addAction(action);
            }
            menu->addSeparator();
        }
        for (const Entry& entry : layout.entries) {
            QAction* action = menu->addAction(entry.text);
            action->setObjectName(QString::fromLatin1(entry.name));
            action->setShortcut(entry.keys);
            connect(action, &QAction::triggered, this, entry.run);
        }
    }
    undo->setObjectName(QStringLiteral("undo"));
    redo->setObjectName(QStringLiteral("redo"));
    auto* hideFind = new QAction(this);
    hideFind->setShortcut(Qt::Key_Escape);
    connect(hideFind, &QAction::triggered, this, [this] {
        find_->hide();
        table_->setFocus();
    });
    find_->addAction(hideFind);
    hideFind->setShortcutContext(Qt::WidgetShortcut);
}

QAction* WordListEditor::ActionNamed(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void WordListEditor::UpdateTitle() {
    const QString name = path_.isEmpty() ? tr("New word list") : QFileInfo(path_).fileName();
    setWindowTitle(tr("%1[*] - Word List Editor").arg(name));
    setWindowModified(!undo_.isClean());
}

QString WordListEditor::Summary() const {
    return summary_->text();
}

void WordListEditor::UpdateSummary() {
    const int blocked = model_->BlockedRows();
    const auto& findings = model_->Findings();
    const int noted = static_cast<int>(
        std::count_if(findings.begin(), findings.end(), [](RowFindings f) { return f != 0; }));
    QString text =
        tr("%n pair(s).", nullptr, static_cast<int>(PairsToSave(model_->Pairs()).size()));
    if (blocked > 0) {
        text += QLatin1Char(' ') +
                tr("%n row(s) must be corrected before the list can be saved.", nullptr, blocked);
    } else if (noted > 0) {
        text += QLatin1Char(' ') + tr("%n row(s) have notes.", nullptr, noted);
    }
    summary_->setText(text);
}

void WordListEditor::CommitDescription() {
    if (description_->text() != committedDescription_) {
        undo_.push(new DescriptionCommand(*description_, committedDescription_,
                                          committedDescription_, description_->text()));
    }
}

bool WordListEditor::Save() {
    CommitDescription();
    // An unchanged list is left as its file holds it.
    if (!path_.isEmpty() && undo_.isClean()) {
        return true;
    }
    if (!ReadyToSave()) {
        return false;
    }
    if (path_.isEmpty()) {
        return SaveAs();
    }
    if (notInPlace_) {
        return prompter_->AskSaveAsNewFile(this, MessageText(*notInPlace_)) && SaveAs();
    }
    return SaveTo(path_);
}

bool WordListEditor::SaveAs() {
    if (!ReadyToSave()) {
        return false;
    }
    const QString path = prompter_->ChooseFileToSave(this);
    return !path.isEmpty() && SaveTo(path);
}

bool WordListEditor::ReadyToSave() {
    CommitDescription();
    if (model_->BlockedRows() > 0) {
        const auto& findings = model_->Findings();
        const auto first = std::find_if(findings.begin(), findings.end(),
                                        [](RowFindings f) { return f & BlockingFindings; });
        const int row = static_cast<int>(first - findings.begin());
        table_->setCurrentIndex(model_->index(row, WordListModel::WordColumn));
        prompter_->ShowMessage(this,
                               tr("Row %1: %2\nThe list is not saved until this is corrected.")
                                   .arg(row + 1)
                                   .arg(FindingsText(*first & BlockingFindings)));
        return false;
    }
    return true;
}

bool WordListEditor::SaveTo(const QString& path) {
    const std::string target = QFile::encodeName(path).toStdString();
    // A list saved into another folder takes its pictures and sounds along, or it would lose them.
    std::optional<WordPairList> pairs = model_->Pairs();
    const bool elsewhere =
        !path_.isEmpty() && QFileInfo(path).absolutePath() != QFileInfo(path_).absolutePath();
    if (elsewhere) {
        pairs = WithMediaCopied(*pairs, ListFile(), target);
        if (!pairs) {
            prompter_->ShowMessage(
                this, MessageText({GT_TEXT("Message",
                                           "Can't copy the pictures and sounds of the list to\n%1"),
                                   {MediaFolderFor(target)}}));
            return false;
        }
    }
    const std::optional<Message> problem =
        SaveEditedList(target, committedDescription_.toStdString(), *pairs, languages_);
    if (problem) {
        prompter_->ShowMessage(this, MessageText(*problem));
        return false;
    }
    if (elsewhere) {
        model_->SetPairs(*pairs);
    }
    path_ = path;
    model_->SetListPath(ListFile());
    // The file holds the list now, and nothing else.
    notInPlace_.reset();
    undo_.setClean();
    UpdateTitle();
    return true;
}

void WordListEditor::closeEvent(QCloseEvent* event) {
    CommitDescription();
    const bool mayClose =
        undo_.isClean() || MayLetGo(prompter_->AskSaveChanges(this), [this] { return Save(); });
    event->setAccepted(mayClose);
}

std::pair<int, int> WordListEditor::SelectedRows() const {
    const QModelIndexList selected = table_->selectionModel()->selectedIndexes();
    int first = table_->currentIndex().isValid() ? table_->currentIndex().row() : 0;
    int last = first;
    if (!selected.isEmpty()) {
        first = selected.front().row();
        last = first;
    }
    for (const QModelIndex& index : selected) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    return {first, last - first + 1};
}

void WordListEditor::CopyRows() {
    const auto [first, count] = SelectedRows();
    QApplication::clipboard()->setText(model_->CopyRows(first, count));
}

void WordListEditor::PasteRows() {
    // A picture copied from another program goes into the current cell.
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    if (copied != nullptr && copied->hasImage() && !copied->hasText()) {
        InsertPastedPicture(qvariant_cast<QImage>(copied->imageData()));
        return;
    }
    const int at = SelectedRows().first;
    const int pasted = model_->PasteRows(at, QApplication::clipboard()->text());
    if (pasted > 0) {
        table_->setCurrentIndex(model_->index(at + pasted, WordListModel::WordColumn));
    }
}

void WordListEditor::MoveCurrentRow(int by) {
    const QModelIndex current = table_->currentIndex();
    const int to = current.row() + by;
    if (!current.isValid() || to < 0 || to >= static_cast<int>(model_->Pairs().size()) ||
        current.row() >= static_cast<int>(model_->Pairs().size())) {
        return;
    }
    model_->MoveRow(current.row(), to);
    table_->setCurrentIndex(model_->index(to, current.column()));
}

void WordListEditor::ShowFind() {
    find_->show();
    find_->setFocus();
    find_->selectAll();
}

bool WordListEditor::FindNext(const QString& text) {
    const int rows = static_cast<int>(model_->Pairs().size());
    if (text.isEmpty() || rows == 0) {
        return false;
    }
    const QModelIndex current = table_->currentIndex();
    const int start = current.isValid() ? current.row() * 2 + std::min(current.column(), 1) : -1;
    for (int step = 1; step <= rows * 2; ++step) {
        const int cell = (start + step) % (rows * 2);
        const QModelIndex index = model_->index(cell / 2, cell % 2);
        if (index.data().toString().contains(text, Qt::CaseInsensitive)) {
            table_->setCurrentIndex(index);
            table_->scrollTo(index);
            return true;
        }
    }
    return false;
}

std::string WordListEditor::ListFile() const {
    return QFile::encodeName(path_).toStdString();
}

QString WordListEditor::MediaFolder() const {
    return QFile::decodeName(QByteArray::fromStdString(MediaFolderFor(ListFile())));
}

bool WordListEditor::ReadyForMedia() {
    if (!path_.isEmpty()) {
        return true;
    }
    return prompter_->AskSaveAsNewFile(
               this, tr("Pictures and sounds are kept in a folder beside the list's file, so a "
                        "new list is saved first.")) &&
           SaveAs();
}

QModelIndex WordListEditor::MediaCell() const {
    const QModelIndex current = table_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const int column = current.column() == WordListModel::TranslationColumn
                           ? WordListModel::TranslationColumn
                           : WordListModel::WordColumn;
    return model_->index(row, column);
}

void WordListEditor::InsertChosenMedia(MediaKind kind) {
    const QModelIndex cell = MediaCell();
    if (!ReadyForMedia()) {
        return;
    }
    const QString file = prompter_->ChooseMediaFile(this, kind);
    if (!file.isEmpty()) {
        InsertMediaFile(file, cell, kind);
    }
}

bool WordListEditor::InsertMediaFile(const QString& file, const QModelIndex& cell,
                                     std::optional<MediaKind> kind) {
    const std::string source = QFile::encodeName(file).toStdString();
    if (!kind) {
        for (const MediaKind each : {MediaKind::Picture, MediaKind::Sound}) {
            if (IsMediaFileOfKind(source, each)) {
                kind = each;
            }
        }
    }
    const QString name = QFileInfo(file).fileName();
    if (!kind) {
        prompter_->ShowMessage(this, tr("%1 is neither a picture nor a recording that the game "
                                        "can use.")
                                         .arg(name));
        return false;
    }
    if (!ReadyForMedia()) {
        return false;
    }
    const CopiedMedia copied = CopyIntoListMedia(source, *kind, ListFile());
    if (copied.problem == MediaCopyProblem::NotUsable) {
        prompter_->ShowMessage(
            this, *kind == MediaKind::Picture
                      ? tr("%1 is not a picture the game can show: a PNG, JPEG, GIF or WebP "
                           "file of at most 20 MB.")
                            .arg(name)
                      : tr("%1 is not a recording the game can play: an Ogg, MP3, WAV or FLAC "
                           "file of at most 20 MB.")
                            .arg(name));
        return false;
    }
    if (copied.problem) {
        prompter_->ShowMessage(this,
                               tr("%1 could not be copied into %2.").arg(name, MediaFolder()));
        return false;
    }
    PutMediaReference(cell, *kind, copied.reference);
    return true;
}

void WordListEditor::InsertPastedPicture(const QImage& image) {
    const QModelIndex cell = MediaCell();
    if (image.isNull() || !ReadyForMedia()) {
        return;
    }
    const std::optional<ListMediaFile> target = NewListMediaFile(ListFile(), "pasted.png");
    if (!target || !image.save(QFile::decodeName(QByteArray::fromStdString(target->path)), "PNG")) {
        prompter_->ShowMessage(
            this, tr("The pasted picture could not be saved in %1.").arg(MediaFolder()));
        return;
    }
    PutMediaReference(cell, MediaKind::Picture, target->reference);
}

void WordListEditor::PutMediaReference(const QModelIndex& cell, MediaKind kind,
                                       const std::string& reference) {
    SideParts parts = ParseSide(cell.data(Qt::EditRole).toString().toStdString());
    (kind == MediaKind::Picture ? parts.image : parts.sound) = reference;
    model_->setData(cell, QString::fromStdString(SideLine(parts)), Qt::EditRole);
    table_->setCurrentIndex(cell);
}

bool WordListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != table_->viewport()) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QList<QUrl> urls = drop->mimeData()->urls();
        if (!urls.isEmpty() && urls.front().isLocalFile()) {
            drop->acceptProposedAction();
            const QModelIndex at = table_->indexAt(drop->position().toPoint());
            table_->setCurrentIndex(at.isValid() ? at : table_->currentIndex());
            InsertMediaFile(urls.front().toLocalFile(), MediaCell());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
