#pragma once

#include "files/edited_list.h"
#include "words/word_pair.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

class QUndoStack;

// The rows of the word-list editor: a word and its translation per pair, the pair's note, what
// the checks find at the row, and one empty row at the end where a new pair is typed. Every
// change goes through the undo stack as one step.
class WordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { WordColumn, TranslationColumn, NoteColumn, ChecksColumn, ColumnCount };

    WordListModel(QUndoStack& undo, QObject* parent = nullptr);

    // A list to edit from the start: no undo step, texts as UTF-8.
    void SetPairs(const WordPairList& pairs);
    const WordPairList& Pairs() const { return rows_; }
    const std::vector<RowFindings>& Findings() const { return findings_; }
    // The rows with findings that keep the list from being saved.
    int BlockedRows() const;
    void SetLanguageNames(const QString& words, const QString& translations);
    // The list's file, against whose folder the cells' pictures and sounds are found.
    void SetListPath(const std::string& path);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Each of these is one undo step.
    void InsertEmptyRows(int at, int count);
    void RemovePairRows(int at, int count);
    // Moves the row at `from` to stand at `to`.
    void MoveRow(int from, int to);
    // The block's rows go in before row `at`; gives how many there were.
    int PasteRows(int at, const QString& block);
    QString CopyRows(int first, int count) const;

    // Puts `rows` in place of `count` rows from `at` and gives back the rows taken out; the
    // undo stack's commands call it, nothing else should.
    WordPairList SwapRows(int at, int count, WordPairList rows);

signals:
    // After every change of the rows: the checks may note something else now.
    void FindingsChanged();

private:
    void Replace(int at, int count, WordPairList rows, const QString& what);
    int PairCount() const { return static_cast<int>(rows_.size()); }
    // A small picture of the side's picture, marked when it has a sound; null without either.
    QPixmap Thumbnail(const std::string& line) const;

    QUndoStack& undo_;
    WordPairList rows_;
    std::vector<RowFindings> findings_;
    QString wordsHeader_;
    QString translationsHeader_;
    std::string listPath_;
    // Decoded once a file.
    mutable QHash<QString, QPixmap> thumbnails_;
};

// What the checks note at a row, as a sentence per finding.
QString FindingsText(RowFindings findings);
