#pragma once

#include "files/media_file.h"
#include "words/list_languages.h"
#include "words/list_reading.h"
#include "words/message.h"
#include "words/word_pair.h"

#include <QMainWindow>
#include <QUndoStack>

#include <memory>
#include <optional>

class EditorPrompter;
class QLabel;
class QLineEdit;
class WordListModel;
class WordTable;

// A window where a teacher types, pastes, checks and saves a word list: its description and a
// table of pairs, every change undoable, saved as a native list, TSV, CSV or kvtml. Save writes
// over the list's file only when that loses nothing the file holds, and not at all while the
// list is unchanged.
class WordListEditor : public QMainWindow {
    Q_OBJECT
public:
    // `path` is the file the list was read from as `reading` tells, empty for a new list.
    WordListEditor(const QString& path, const ListReading& reading, const std::string& description,
                   const WordPairList& pairs, const ListLanguages& languages,
                   std::unique_ptr<EditorPrompter> prompter, QWidget* parent = nullptr);
    ~WordListEditor() override;

    WordListModel& Model() const { return *model_; }
    WordTable& Table() const { return *table_; }
    QLineEdit& Description() const { return *description_; }
    QLineEdit& FindField() const { return *find_; }
    QUndoStack& UndoStack() { return undo_; }
    const QString& Path() const { return path_; }
    QString Summary() const;
    QAction* ActionNamed(const QString& objectName) const;

    bool Save();
    bool SaveAs();
    // Finds the next cell after the current one that holds `text`; false when none does.
    bool FindNext(const QString& text);

signals:
    // The list was saved and is to be dealt at once.
    void DealRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the table.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void UpdateTitle();
    void UpdateSummary();
    void CommitDescription();
    // False, after saying which row must be corrected first, when the list cannot be saved.
    bool ReadyToSave();
    bool SaveTo(const QString& path);
    // The first row of the selection and how many rows it spans; the current row without one.
    std::pair<int, int> SelectedRows() const;
    void CopyRows();
    void PasteRows();
    void MoveCurrentRow(int by);
    void ShowFind();
    // The list's file as the core names files, and the folder its media are copied into.
    std::string ListFile() const;
    QString MediaFolder() const;
    // Media are kept beside the list's file: a new list is saved first. False when it is not.
    bool ReadyForMedia();
    // The word or translation cell that takes a picture or a sound: the current one.
    QModelIndex MediaCell() const;
    void InsertChosenMedia(MediaKind kind);
    // Copies a picture or a sound into the list's media folder and names it in `cell`'s side,
    // as a chosen or dropped file; `kind` nullopt takes the file's own. False, after saying
    // why, when it is not.
    bool InsertMediaFile(const QString& file, const QModelIndex& cell,
                         std::optional<MediaKind> kind = std::nullopt);
    void InsertPastedPicture(const QImage& image);
    void PutMediaReference(const QModelIndex& cell, MediaKind kind, const std::string& reference);

    QUndoStack undo_;
    WordListModel* model_;
    WordTable* table_;
    QLineEdit* description_;
    QLineEdit* find_;
    QLabel* summary_;
    QString path_;
    // Why Save may not write over path_; nullopt when it may.
    std::optional<Message> notInPlace_;
    QString committedDescription_;
    ListLanguages languages_;
    std::unique_ptr<EditorPrompter> prompter_;
};
