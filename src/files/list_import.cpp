#include "files/list_import.h"

#include "files/anki_package.h"
#include "files/anki_reader.h"
#include "files/column_names.h"
#include "files/delimited_reader.h"
#include "files/file_bytes.h"
#include "files/file_name.h"
#include "files/kvtml_reader.h"
#include "files/utf8_text.h"
#include "words/line_reader.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <utility>

namespace {

// The preview shows this many columns at most; a reading keeps only the two it uses.
constexpr std::size_t previewFields = 64;

bool IsPlainText(ImportFormat format) {
    return format == ImportFormat::None || format == ImportFormat::Delimited;
}

OpenedTable OpenTable(ImportFormat format, std::string_view bytes, const ImportChoice& choice,
                      const CancelFlag* cancel) {
    if (format != ImportFormat::AnkiPackage && !IsUtf8Text(bytes)) {
        return {nullptr, GT_TEXT("Message", "It is not UTF-8 text.")};
    }
    switch (format) {
    case ImportFormat::AnkiText:
        return {AnkiTextTable(bytes), {}};
    case ImportFormat::Delimited:
        return {DelimitedTable(bytes, choice.separator), {}};
    case ImportFormat::Kvtml:
        return KvtmlTable(bytes);
    case ImportFormat::AnkiPackage:
        return AnkiPackageTable(bytes, cancel);
    case ImportFormat::None:
        break;
    }
    return {nullptr, GT_TEXT("Message", "No reader claims it.")};
}

// The guesses and choices, with the first records; a header row becomes the columns' names.
ImportPreview Preview(TableSource& source, std::string_view path, const ImportChoice& choice) {
    ImportPreview preview;
    TableHead& head = preview.head;
    head = source.Head();
    std::vector<TableRow>& rows = preview.rows;
    if (std::optional<Message> problem = source.ReadRows(previewFields, [&](const TableRow& row) {
            rows.push_back(row);
            return rows.size() <= PreviewRowCount;
        })) {
        return {{}, {}, 0, std::move(*problem)};
    }
    if (head.mayHaveHeaderRow) {
        head.headerRow = choice.headerRow.value_or(LooksLikeHeaderRow(rows));
        if (head.headerRow && !rows.empty()) {
            head.columnNames = rows.front().fields;
            head.columns = ProposedColumns(head.columnNames);
            rows.erase(rows.begin());
        }
    }
    rows.resize(std::min(rows.size(), PreviewRowCount));
    preview.columnCount = head.columnNames.size();
    for (const TableRow& row : rows) {
        preview.columnCount = std::max(preview.columnCount, row.fieldCount);
    }
    if (head.mayHaveHeaderRow) {
        head.certain = head.certain && !head.headerRow && preview.columnCount == 2;
    }
    head.columns = choice.columns.value_or(head.columns);
    if (head.description.empty()) {
        head.description = FileName(path);
    }
    if (!choice.description.empty()) {
        head.description = choice.description;
    }
    return preview;
}

ListFormat ReadingFormat(ImportFormat format) {
    switch (format) {
    case ImportFormat::None:
        return ListFormat::Native;
    case ImportFormat::Delimited:
        return ListFormat::Table;
    case ImportFormat::Kvtml:
        return ListFormat::Kvtml;
    case ImportFormat::AnkiText:
    case ImportFormat::AnkiPackage:
        break;
    }
    return ListFormat::Anki;
}

std::string ColumnLanguage(const TableHead& head, std::size_t column) {
    return column < head.columnLanguages.size() ? head.columnLanguages[column] : std::string();
}

// A header row that the player did not choose is never left out in silence.
Message HeaderRowNote(const std::vector<std::string>& names) {
    std::string cells;
    for (const std::string& name : names) {
        cells += (cells.empty() ? "" : ", ") + name;
    }
    return {GT_TEXT("Message", "The first row (%1) was taken for the names of the columns and "
                               "left out."),
            {cells}};
}

} // namespace

ImportFormat DetectImportFormat(std::string_view path, std::string_view head, bool whole) {
    if (LooksLikeZip(head)) {
        return ImportFormat::AnkiPackage;
    }
    if (HasAnkiHeader(head)) {
        return ImportFormat::AnkiText;
    }
    if (LooksLikeKvtml(head) || HasExtension(path, ".kvtml")) {
        return ImportFormat::Kvtml;
    }
    if (HasExtension(path, ".csv") || HasExtension(path, ".tsv") ||
        LooksLikeTable(head, whole, "\t")) {
        return ImportFormat::Delimited;
    }
    return ImportFormat::None;
}

ImportFormat ChosenFormat(ImportFormat detected, const ImportChoice& choice) {
    if (!IsPlainText(detected)) {
        return detected;
    }
    const bool table = choice.wordList
                           ? !*choice.wordList
                           : detected == ImportFormat::Delimited || choice.separator.has_value() ||
                                 choice.headerRow.has_value() || choice.columns.has_value();
    return table ? ImportFormat::Delimited : ImportFormat::None;
}

Message TooLargeProblem() {
    return {GT_TEXT("Message", "It is larger than %1 MB, more than a word list may be."),
            {std::to_string(MaxImportBytes >> 20)}};
}

ImportReading::ImportReading(std::string path, ImportFormat detected, const CancelFlag* cancel)
    : path_(std::move(path)), detected_(detected), cancel_(cancel) {}

ImportReading::ImportReading(std::string path, ImportFormat detected, std::string_view bytes,
                             const CancelFlag* cancel)
    : path_(std::move(path)), detected_(detected), cancel_(cancel), bytes_(bytes), loaded_(true) {}

std::optional<Message> ImportReading::LoadBytes() {
    if (loaded_) {
        return loadProblem_;
    }
    loaded_ = true;
    try {
        // The size is checked before reading; one byte more than allowed catches a file that
        // does not tell its size or grows meanwhile.
        std::error_code unknown;
        const bool tooLarge =
            std::filesystem::file_size(path_, unknown) > MaxImportBytes && !unknown;
        std::optional<std::string> bytes =
            tooLarge ? std::nullopt : ReadFileBytes(path_, MaxImportBytes + 1);
        if (tooLarge || (bytes && bytes->size() > MaxImportBytes)) {
            loadProblem_ = TooLargeProblem();
        } else if (!bytes) {
            loadProblem_ = GT_TEXT("Message", "It cannot be read.");
        } else {
            ownBytes_ = std::move(*bytes);
            bytes_ = ownBytes_;
        }
    } catch (const std::bad_alloc&) {
        loadProblem_ = GT_TEXT("Message", "It is too large to read into memory.");
    }
    return loadProblem_;
}

OpenedTable& ImportReading::Table(ImportFormat format, const ImportChoice& choice) {
    const char separator = format == ImportFormat::Delimited ? choice.separator.value_or(0) : 0;
    const auto key = std::pair(format, separator);
    if (const auto known = tables_.find(key); known != tables_.end()) {
        return known->second;
    }
    OpenedTable table;
    try {
        if (format == ImportFormat::AnkiPackage && !loaded_) {
            // A package may be larger than any other import: only its collection is read whole.
            table = AnkiPackageFileTable(path_, cancel_);
        } else if (std::optional<Message> problem = LoadBytes()) {
            table.problem = std::move(*problem);
        } else {
            table = OpenTable(format, bytes_, choice, cancel_);
        }
    } catch (const std::bad_alloc&) {
        table = {nullptr, GT_TEXT("Message", "It is too large to read into memory.")};
    }
    return tables_.emplace(key, std::move(table)).first->second;
}

void ImportReading::Prepare() {
    if (detected_ != ImportFormat::None) {
        Table(detected_, {});
    }
}

ImportPreview ImportReading::WordListPreview(const ImportChoice& choice) const {
    ImportPreview preview;
    preview.wordList = true;
    preview.eitherWay = true;
    preview.columnCount = 2;
    FileHandle file;
    if (loaded_ && !loadProblem_) {
        file.reset(bytes_.empty()
                       ? std::fopen("/dev/null", "rb")
                       : fmemopen(const_cast<char*>(bytes_.data()), bytes_.size(), "rb"));
    } else {
        file = OpenForReading(path_);
    }
    if (!file) {
        preview.problem = GT_TEXT("Message", "It cannot be read.");
        return preview;
    }
    // Read as File > Open reads a list, in pieces of at most 998 bytes.
    LineReader reader(file.get(), LineReader::WordPiece);
    int line = 1;
    const auto next = [&](int& at) {
        at = line;
        std::string piece = reader.ReadPiece();
        line += !piece.empty() && piece.back() == '\n';
        TrimLine(piece);
        return AsUtf8(piece);
    };
    int at = 0;
    const std::string description = next(at);
    preview.head.description = !choice.description.empty() ? choice.description
                               : description.empty()       ? path_
                                                           : description;
    while (!reader.AtEnd() && preview.rows.size() < PreviewRowCount) {
        TableRow row;
        row.fieldCount = 2;
        row.fields.push_back(next(row.line));
        if (row.fields.back().empty()) {
            break;
        }
        row.fields.push_back(next(at));
        preview.rows.push_back(std::move(row));
    }
    return preview;
}

ImportPreview ImportReading::Preview(const ImportChoice& choice) {
    const ImportFormat format = ChosenFormat(detected_, choice);
    if (format == ImportFormat::None) {
        return WordListPreview(choice);
    }
    OpenedTable& table = Table(format, choice);
    ImportPreview preview;
    if (!table.source) {
        preview.problem = table.problem;
    } else {
        try {
            preview = ::Preview(*table.source, path_, choice);
        } catch (const std::bad_alloc&) {
            preview = {{}, {}, 0, GT_TEXT("Message", "It is too large to read into memory.")};
        }
    }
    preview.eitherWay = IsPlainText(detected_);
    return preview;
}

ImportOutcome ImportReading::Read(const ImportChoice& choice) {
    const ImportFormat format = ChosenFormat(detected_, choice);
    if (format == ImportFormat::None) {
        return ImportFailure(GT_TEXT("Message", "No reader claims it."));
    }
    const ImportPreview preview = Preview(choice);
    if (preview.problem) {
        return ImportFailure(*preview.problem);
    }
    const ColumnPair columns = preview.head.columns;
    if (std::optional<Message> problem = MissingColumnProblem(preview, columns);
        choice.columns && problem) {
        return ImportFailure(std::move(*problem));
    }
    ImportedList list;
    list.description = preview.head.description;
    list.languages = {ColumnLanguage(preview.head, columns.word),
                      ColumnLanguage(preview.head, columns.translation)};
    ListReading& reading = list.reading;
    reading = {ReadingFormat(format),
               choice,
               true,
               preview.columnCount,
               columns,
               preview.head.headerRow,
               false,
               preview.head.lessons};
    bool headerRow = preview.head.headerRow;
    const auto field = [](const TableRow& row, std::size_t column) {
        return column < row.fields.size() ? row.fields[column] : std::string();
    };
    TableSource& source = *Table(format, choice).source;
    bool cancelled = false;
    std::optional<Message> problem;
    try {
        problem = source.ReadRows(columns.End(), [&](const TableRow& row) {
            if (IsCancelled(cancel_)) {
                cancelled = true;
                return false;
            }
            reading.fileColumns = std::max(reading.fileColumns, row.fieldCount);
            if (!std::exchange(headerRow, false)) {
                AddImportedRow(list, row.line, field(row, columns.word),
                               field(row, columns.translation),
                               columns.note ? field(row, *columns.note) : std::string());
            }
            return true;
        });
    } catch (const std::bad_alloc&) {
        problem = GT_TEXT("Message", "It is too large to read into memory.");
    }
    if (cancelled) {
        return ImportFailure(CancelledReading());
    }
    if (problem) {
        return ImportFailure(*problem);
    }
    if (list.pairs.empty()) {
        return ImportFailure(GT_TEXT("Message", "It holds no word pair."));
    }
    reading.rowsLeftOut = !list.leftOutLines.empty();
    if (preview.head.headerRow && !choice.headerRow) {
        list.notes.push_back(HeaderRowNote(preview.head.columnNames));
    }
    for (Message& note : source.Notes()) {
        list.notes.push_back(std::move(note));
    }
    return {std::move(list), {}};
}

ImportPreview PreviewImport(ImportFormat format, std::string_view path, std::string_view bytes,
                            const ImportChoice& choice) {
    return ImportReading(std::string(path), format, bytes).Preview(choice);
}

ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes,
                             const ImportChoice& choice) {
    return ImportReading(std::string(path), format, bytes).Read(choice);
}

std::optional<Message> MissingColumnProblem(const ImportPreview& preview,
                                            const ColumnPair& columns) {
    const std::size_t beyond = columns.End() - 1;
    if (beyond < preview.columnCount && columns.word != columns.translation) {
        return std::nullopt;
    }
    if (columns.word == columns.translation) {
        return GT_TEXT("Message",
                       "The word and its translation must come from two different columns.");
    }
    return Message(GT_TEXT("Message", "It has no column %1; its last column is %2."),
                   {std::to_string(beyond + 1), std::to_string(preview.columnCount)});
}

Message ImportFailureMessage(std::string_view path, Message problem) {
    return NestedMessage(GT_TEXT("Message", "Can't import the file\n%1\n%2"), {std::string(path)},
                         {std::move(problem)});
}

Message LeftOutRowsMessage(std::string_view path, const std::vector<int>& lines) {
    constexpr std::size_t shown = 5;
    std::string numbers;
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i) {
        numbers += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    }
    return PluralMessage(
        GT_PLURAL_TEXT("Message", "%n rows of %1 were left out because a word or its translation "
                                  "is empty.\nLines %2"),
        "%n row of %1 was left out because a word or its translation is empty.\nLine %2",
        static_cast<long long>(lines.size()),
        {std::string(FileName(path)), numbers + (lines.size() > shown ? ", ..." : "")});
}
