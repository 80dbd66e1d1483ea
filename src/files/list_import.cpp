#include "files/list_import.h"

#include "files/anki_package.h"
#include "files/anki_reader.h"
#include "files/column_names.h"
#include "files/delimited_reader.h"
#include "files/file_name.h"
#include "files/kvtml_reader.h"
#include "files/utf8_text.h"

#include <algorithm>
#include <utility>

namespace {

// The preview shows this many columns at most; a reading keeps only the two it uses.
constexpr std::size_t previewFields = 64;

OpenedTable OpenTable(ImportFormat format, std::string_view bytes, const ImportChoice& choice) {
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
        return AnkiPackageTable(bytes);
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
    if (head.separator != 0) {
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
    if (head.separator != 0) {
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

std::string ColumnLanguage(const TableHead& head, std::size_t column) {
    return column < head.columnLanguages.size() ? head.columnLanguages[column] : std::string();
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
    if (HasExtension(path, ".csv") || HasExtension(path, ".tsv") || LooksLikeTable(head, whole)) {
        return ImportFormat::Delimited;
    }
    return ImportFormat::None;
}

ImportPreview PreviewImport(ImportFormat format, std::string_view path, std::string_view bytes,
                            const ImportChoice& choice) {
    OpenedTable table = OpenTable(format, bytes, choice);
    if (!table.source) {
        return {{}, {}, 0, std::move(table.problem)};
    }
    return Preview(*table.source, path, choice);
}

ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes,
                             const ImportChoice& choice) {
    OpenedTable table = OpenTable(format, bytes, choice);
    if (!table.source) {
        return ImportFailure(std::move(table.problem));
    }
    const ImportPreview preview = Preview(*table.source, path, choice);
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
    bool headerRow = preview.head.headerRow;
    const auto field = [](const TableRow& row, std::size_t column) {
        return column < row.fields.size() ? row.fields[column] : std::string();
    };
    const std::optional<Message> problem = table.source->ReadRows(
        std::max(columns.word, columns.translation) + 1, [&](const TableRow& row) {
            if (!std::exchange(headerRow, false)) {
                AddImportedRow(list, row.line, field(row, columns.word),
                               field(row, columns.translation));
            }
            return true;
        });
    if (problem) {
        return ImportFailure(*problem);
    }
    if (list.pairs.empty()) {
        return ImportFailure(GT_TEXT("Message", "It holds no word pair."));
    }
    list.notes = table.source->Notes();
    return {std::move(list), {}};
}

std::optional<Message> MissingColumnProblem(const ImportPreview& preview,
                                            const ColumnPair& columns) {
    const std::size_t beyond = std::max(columns.word, columns.translation);
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
