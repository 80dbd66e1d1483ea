#include "view/dialogs/word_list_model.h"

#include "files/media_file.h"
#include "files/utf8_text.h"
#include "words/side_line.h"

#include <QApplication>
#include <QBrush>
#include <QCollator>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

std::optional<std::string>& Side(WordPair& pair, int column) {
    return column == WordListModel::WordColumn ? pair.TextA : pair.TextB;
}
const std::optional<std::string>& Side(const WordPair& pair, int column) {
    return column == WordListModel::WordColumn ? pair.TextA : pair.TextB;
}

// What a cell shows and edits: a side's line without its note, or the pair's note.
std::string CellText(const WordPair& pair, int column) {
    if (column == WordListModel::NoteColumn) {
        return PairNote(pair.TextA.value_or(""), pair.TextB.value_or(""));
    }
    return WithoutNote(Side(pair, column).value_or(""));
}

// One edit of the rows, whatever kind: `count` rows from `at` become `rows`. Undoing is the
// same swap the other way round.
class ReplaceRowsCommand : public QUndoCommand {
public:
    ReplaceRowsCommand(WordListModel& model, int at, int count, WordPairList rows,
                       const QString& text)
        : QUndoCommand(text), model_(model), at_(at), count_(count), rows_(std::move(rows)) {}

    void redo() override { Swap(); }
    void undo() override { Swap(); }

private:
    void Swap() {
        const int putIn = static_cast<int>(rows_.size());
        rows_ = model_.SwapRows(at_, count_, std::move(rows_));
        count_ = putIn;
    }

    WordListModel& model_;
    int at_;
    int count_;
    WordPairList rows_;
};

constexpr int ThumbnailSize = 32;

// The picture scaled down as it is read; a null image for a file that cannot be, or whose
// header claims more pixels than a picture of a word list has.
QImage SmallPicture(const QString& file) {
    QImageReader reader(file);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > qint64(16) << 20) {
        return {};
    }
    reader.setScaledSize(size.scaled(ThumbnailSize, ThumbnailSize, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace

QString FindingsText(RowFindings findings) {
    struct Note {
        RowFinding finding;
        const char* text;
    };
    static constexpr Note notes[] = {
        {EmptySide, QT_TRANSLATE_NOOP("WordListModel", "A word is missing.")},
        {TooLong, QT_TRANSLATE_NOOP("WordListModel", "Longer than 998 bytes: shorten it.")},
        {OverLimit, QT_TRANSLATE_NOOP("WordListModel", "Beyond the 32,767 pairs a game can hold.")},
        {Duplicate, QT_TRANSLATE_NOOP("WordListModel", "This pair is in the list already.")},
        {Colon, QT_TRANSLATE_NOOP("WordListModel", "A saved game writes ':' as '-'.")},
        {LineBreak, QT_TRANSLATE_NOOP("WordListModel", "The line break is saved as a blank.")},
    };
    QStringList texts;
    for (const Note& note : notes) {
        if (findings & note.finding) {
            texts << QCoreApplication::translate("WordListModel", note.text);
        }
    }
    return texts.join(QLatin1Char(' '));
}

WordListModel::WordListModel(QUndoStack& undo, QObject* parent)
    : QAbstractTableModel(parent), undo_(undo), wordsHeader_(tr("Word")),
      translationsHeader_(tr("Translation")) {}

void WordListModel::SetPairs(const WordPairList& pairs) {
    beginResetModel();
    rows_.clear();
    for (const WordPair& pair : pairs) {
        rows_.push_back({AsUtf8(pair.TextA.value_or("")), AsUtf8(pair.TextB.value_or(""))});
    }
    findings_ = CheckRows(rows_);
    endResetModel();
    emit FindingsChanged();
}

int WordListModel::BlockedRows() const {
    return static_cast<int>(std::count_if(findings_.begin(), findings_.end(),
                                          [](RowFindings f) { return f & BlockingFindings; }));
}

void WordListModel::SetLanguageNames(const QString& words, const QString& translations) {
    wordsHeader_ = words.isEmpty() ? tr("Word") : words;
    translationsHeader_ = translations.isEmpty() ? tr("Translation") : translations;
    emit headerDataChanged(Qt::Horizontal, WordColumn, TranslationColumn);
}

void WordListModel::SetListPath(const std::string& path) {
    listPath_ = path;
    thumbnails_.clear();
    if (PairCount() > 0) {
        emit dataChanged(index(0, WordColumn), index(PairCount() - 1, TranslationColumn),
                         {Qt::DecorationRole});
    }
}

QPixmap WordListModel::Thumbnail(const std::string& line) const {
    if (line.find('[') == std::string::npos) {
        return {};
    }
    const SideParts parts = ParseSide(line);
    const std::optional<std::string> picture =
        parts.image.empty() ? std::nullopt
                            : UsableMediaPath(parts.image, MediaKind::Picture, listPath_);
    const bool sound =
        !parts.sound.empty() && UsableMediaPath(parts.sound, MediaKind::Sound, listPath_);
    const QString key =
        QString::fromStdString(picture.value_or("")) + (sound ? QStringLiteral("|s") : QString());
    if (const auto known = thumbnails_.constFind(key); known != thumbnails_.constEnd()) {
        return *known;
    }
    const QImage image = picture ? SmallPicture(QString::fromStdString(*picture)) : QImage();
    QPixmap thumbnail;
    if (!image.isNull() || sound) {
        thumbnail = QPixmap(ThumbnailSize, ThumbnailSize);
        thumbnail.fill(Qt::transparent);
        QPainter painter(&thumbnail);
        painter.drawImage((ThumbnailSize - image.width()) / 2, (ThumbnailSize - image.height()) / 2,
                          image);
        // The speaker mark takes the corner when there is a picture too.
        if (sound) {
            const int mark = image.isNull() ? ThumbnailSize : ThumbnailSize / 2;
            QApplication::style()
                ->standardIcon(QStyle::SP_MediaVolume)
                .paint(&painter, ThumbnailSize - mark, ThumbnailSize - mark, mark, mark);
        }
    }
    thumbnails_.insert(key, thumbnail);
    return thumbnail;
}

int WordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PairCount() + 1;
}

int WordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= PairCount()) {
        return {};
    }
    const RowFindings findings = findings_[static_cast<std::size_t>(row)];
    if (index.column() == ChecksColumn) {
        return role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole
                   ? QVariant(FindingsText(findings))
                   : QVariant();
    }
    const WordPair& pair = rows_[static_cast<std::size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(CellText(pair, index.column()));
    case Qt::ToolTipRole:
        return findings ? QVariant(FindingsText(findings)) : QVariant();
    case Qt::DecorationRole: {
        if (index.column() == NoteColumn) {
            return {};
        }
        const std::optional<std::string>& line = Side(pair, index.column());
        const QPixmap thumbnail = line ? Thumbnail(*line) : QPixmap();
        return thumbnail.isNull() ? QVariant() : QVariant(thumbnail);
    }
    case Qt::BackgroundRole:
        if (findings & BlockingFindings) {
            return QBrush(QColor(255, 205, 205));
        }
        return findings ? QVariant(QBrush(QColor(255, 243, 190))) : QVariant();
    default:
        return {};
    }
}

bool WordListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == ChecksColumn) {
        return false;
    }
    const int row = index.row();
    const std::string text = value.toString().toStdString();
    const bool added = row == PairCount();
    if (added && text.empty()) {
        return false;
    }
    WordPair pair =
        added ? WordPair{std::string(), std::string()} : rows_[static_cast<std::size_t>(row)];
    if (!added && CellText(pair, index.column()) == text) {
        return false;
    }
    if (index.column() == NoteColumn) {
        // The note goes to the word's line, the whole of it: one joined from both sides too.
        pair.TextA = WithNote(pair.TextA.value_or(""), text);
        pair.TextB = WithNote(pair.TextB.value_or(""), "");
    } else {
        // The side keeps its note unless the words typed bring one of their own.
        std::optional<std::string>& line = Side(pair, index.column());
        const std::string note = ParseSide(line.value_or("")).note;
        line = note.empty() || !ParseSide(text).note.empty() ? text : WithNote(text, note);
    }
    Replace(row, added ? 0 : 1, {pair},
            added                          ? tr("Add Pair")
            : index.column() == NoteColumn ? tr("Edit Note")
                                           : tr("Edit Word"));
    return true;
}

Qt::ItemFlags WordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == ChecksColumn ? flags : flags | Qt::ItemIsEditable;
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section < PairCount() ? QVariant(section + 1) : QVariant(QStringLiteral("*"));
    }
    switch (section) {
    case WordColumn:
        return wordsHeader_;
    case TranslationColumn:
        return translationsHeader_;
    case NoteColumn:
        return tr("Note");
    default:
        return tr("Checks");
    }
}

void WordListModel::sort(int column, Qt::SortOrder order) {
    if (column == ChecksColumn || rows_.size() < 2) {
        return;
    }
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QString> keys;
    keys.reserve(rows_.size());
    for (const WordPair& pair : rows_) {
        keys.push_back(QString::fromStdString(CellText(pair, column)));
    }
    std::vector<std::size_t> byKey(rows_.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(), [&](std::size_t a, std::size_t b) {
        const int compared = collator.compare(keys[a], keys[b]);
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    WordPairList sorted;
    for (const std::size_t i : byKey) {
        sorted.push_back(rows_[i]);
    }
    Replace(0, PairCount(), std::move(sorted), tr("Sort"));
}

void WordListModel::InsertEmptyRows(int at, int count) {
    at = std::clamp(at, 0, PairCount());
    Replace(at, 0, WordPairList(static_cast<std::size_t>(count), WordPair{"", ""}),
            tr("Insert Rows"));
}

void WordListModel::RemovePairRows(int at, int count) {
    count = std::min(count, PairCount() - at);
    if (at >= 0 && count > 0) {
        Replace(at, count, {}, tr("Delete Rows"));
    }
}

void WordListModel::MoveRow(int from, int to) {
    if (from < 0 || to < 0 || from >= PairCount() || to >= PairCount() || from == to) {
        return;
    }
    const int first = std::min(from, to);
    const int last = std::max(from, to);
    WordPairList span(rows_.begin() + first, rows_.begin() + last + 1);
    if (from < to) {
        std::rotate(span.begin(), span.begin() + 1, span.end());
    } else {
        std::rotate(span.rbegin(), span.rbegin() + 1, span.rend());
    }
    Replace(first, last - first + 1, std::move(span), tr("Move Row"));
}

int WordListModel::PasteRows(int at, const QString& block) {
    WordPairList rows = PastedRows(block.toStdString());
    const int count = static_cast<int>(rows.size());
    if (count > 0) {
        Replace(std::clamp(at, 0, PairCount()), 0, std::move(rows), tr("Paste Rows"));
    }
    return count;
}

QString WordListModel::CopyRows(int first, int count) const {
    first = std::clamp(first, 0, PairCount());
    count = std::clamp(count, 0, PairCount() - first);
    return QString::fromStdString(
        CopiedRowsText(WordPairList(rows_.begin() + first, rows_.begin() + first + count)));
}

void WordListModel::Replace(int at, int count, WordPairList rows, const QString& what) {
    undo_.push(new ReplaceRowsCommand(*this, at, count, std::move(rows), what));
}

WordPairList WordListModel::SwapRows(int at, int count, WordPairList rows) {
    const auto first = rows_.begin() + at;
    WordPairList taken(first, first + count);
    const int putIn = static_cast<int>(rows.size());
    const std::vector<RowFindings> before = findings_;
    // The view reads the rows' findings as soon as it hears of new rows.
    const auto recheck = [this] { findings_ = CheckRows(rows_); };
    if (putIn == count) {
        std::move(rows.begin(), rows.end(), first);
        recheck();
        if (count > 0) {
            emit dataChanged(index(at, 0), index(at + count - 1, ColumnCount - 1));
        }
    } else {
        if (count > 0) {
            beginRemoveRows({}, at, at + count - 1);
            rows_.erase(first, first + count);
            recheck();
            endRemoveRows();
        }
        // Pairs typed into the empty last row take its place; a new empty row follows them.
        const bool appended = count == 0 && at == PairCount();
        if (putIn > 0) {
            const int shownAt = appended ? at + 1 : at;
            beginInsertRows({}, shownAt, shownAt + putIn - 1);
            rows_.insert(rows_.begin() + at, std::make_move_iterator(rows.begin()),
                         std::make_move_iterator(rows.end()));
            recheck();
            endInsertRows();
        }
        if (appended && putIn > 0) {
            emit dataChanged(index(at, 0), index(at, ColumnCount - 1));
            emit headerDataChanged(Qt::Vertical, at, at);
        }
    }
    // Other rows' notes change too: a duplicate elsewhere, the pair limit.
    if (before != findings_ && !rows_.empty()) {
        emit dataChanged(index(0, 0), index(PairCount() - 1, ColumnCount - 1));
    }
    emit FindingsChanged();
    return taken;
}
