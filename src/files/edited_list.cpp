#include "files/edited_list.h"

#include "files/delimited_records.h"
#include "files/file_bytes.h"
#include "files/imported_list.h"
#include "files/list_import.h"
#include "savegame/atomic_file.h"

#include <algorithm>
#include <unordered_set>

namespace {

bool HasLineBreak(const std::optional<std::string>& word) {
    return word && word->find_first_of("\r\n") != std::string::npos;
}

} // namespace

std::string SavedWord(const std::optional<std::string>& word) {
    return word ? CleanImportedWord(*word) : std::string();
}

std::vector<RowFindings> CheckRows(const WordPairList& rows) {
    std::vector<RowFindings> findings(rows.size(), 0);
    std::unordered_set<std::string> seen;
    std::size_t pairs = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string a = SavedWord(rows[i].TextA);
        const std::string b = SavedWord(rows[i].TextB);
        if (a.empty() && b.empty()) {
            continue;
        }
        RowFindings& found = findings[i];
        if (a.empty() || b.empty()) {
            found |= EmptySide;
        }
        if (!seen.insert(a + '\n' + b).second) {
            found |= Duplicate;
        }
        if (a.size() > MaxWordBytes || b.size() > MaxWordBytes) {
            found |= TooLong;
        }
        if (a.find(':') != std::string::npos || b.find(':') != std::string::npos) {
            found |= Colon;
        }
        if (HasLineBreak(rows[i].TextA) || HasLineBreak(rows[i].TextB)) {
            found |= LineBreak;
        }
        if (++pairs > MaxListPairs) {
            found |= OverLimit;
        }
    }
    return findings;
}

WordPairList PairsToSave(const WordPairList& rows) {
    WordPairList pairs;
    for (const WordPair& row : rows) {
        std::string a = SavedWord(row.TextA);
        std::string b = SavedWord(row.TextB);
        if (!a.empty() || !b.empty()) {
            pairs.push_back({std::move(a), std::move(b)});
        }
    }
    return pairs;
}

WordPairList PastedRows(std::string_view block) {
    DelimitedRecords records = SplitDelimited(block, '\t');
    // A cell that opens a quote and never closes it was not quoted: take the quotes as text.
    if (records.unclosedQuoteLine != 0) {
        records.records.clear();
        std::size_t start = 0;
        while (start < block.size()) {
            const std::size_t end = std::min(block.find('\n', start), block.size());
            DelimitedRecord record;
            const std::string_view line = block.substr(start, end - start);
            for (std::size_t cell = 0; cell <= line.size();) {
                const std::size_t tab = std::min(line.find('\t', cell), line.size());
                record.fields.emplace_back(line.substr(cell, tab - cell));
                cell = tab + 1;
            }
            records.records.push_back(std::move(record));
            start = end + 1;
        }
    }
    WordPairList rows;
    for (DelimitedRecord& record : records.records) {
        record.fields.resize(std::max<std::size_t>(record.fields.size(), 2));
        std::string& a = record.fields[0];
        std::string& b = record.fields[1];
        if (a.find_first_not_of(" \t\r") != std::string::npos ||
            b.find_first_not_of(" \t\r") != std::string::npos) {
            rows.push_back({std::move(a), std::move(b)});
        }
    }
    return rows;
}

std::string CopiedRowsText(const WordPairList& rows) {
    std::string text;
    const auto append = [&text](const std::optional<std::string>& word) {
        const std::string& cell = word ? *word : std::string();
        if (cell.find_first_of("\t\r\n\"") == std::string::npos) {
            text += cell;
            return;
        }
        text += '"';
        for (const char c : cell) {
            text += c == '"' ? "\"\"" : std::string(1, c);
        }
        text += '"';
    };
    for (const WordPair& row : rows) {
        append(row.TextA);
        text += '\t';
        append(row.TextB);
        text += '\n';
    }
    return text;
}

bool SavesInItsOwnFormat(const std::string& path) {
    const std::optional<ExportFormat> format = ExportFormatOf(path);
    if (format != ExportFormat::Native) {
        return format.has_value();
    }
    const std::optional<std::string> head = ReadFileBytes(path, ImportDetectionBytes);
    return head && DetectImportFormat(path, *head) == ImportFormat::None;
}

std::optional<Message> SaveEditedList(const std::string& path, const std::string& description,
                                      const WordPairList& rows, const ListLanguages& languages) {
    const std::optional<ExportFormat> format = ExportFormatOf(path);
    if (!format) {
        return Message{GT_TEXT("Message", "Can't save the word list as\n%1\nThe file name must "
                                          "end in .txt, .tsv, .csv or .kvtml."),
                       {path}};
    }
    const auto text = [&] {
        return ExportedListText(*format, SavedWord(description), PairsToSave(rows), languages);
    };
    const AtomicWrite write = WriteFileAtomically(path, text);
    if (write.result != AtomicWriteResult::Written) {
        return CantWriteFile(path, write);
    }
    return std::nullopt;
}
