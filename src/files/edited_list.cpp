#include "files/edited_list.h"

#include "files/delimited_records.h"
#include "files/imported_list.h"
#include "savegame/atomic_file.h"
#include "words/side_line.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

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
        // A picture or a sound is a side; a note alone is not. Rows that differ in their notes
        // alone are one pair.
        const std::string sideA = SideIdentity(a);
        const std::string sideB = SideIdentity(b);
        if (sideA.empty() || sideB.empty()) {
            found |= EmptySide;
        }
        if (!seen.insert(sideA + '\n' + sideB).second) {
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

std::optional<Message> WhyNotSaveInPlace(const std::string& path, const ListReading& reading) {
    const std::optional<ExportFormat> format = ExportFormatOf(path);
    const bool table = format == ExportFormat::Tsv || format == ExportFormat::Csv;
    const bool sameFormat =
        (reading.format == ListFormat::Native && format == ExportFormat::Native) ||
        (reading.format == ListFormat::Table && table) ||
        (reading.format == ListFormat::Kvtml && format == ExportFormat::Kvtml);
    const std::string columns = std::to_string(reading.fileColumns);
    // A table's note column is read, and written back, with the words.
    const std::size_t read = reading.columns.note ? 3 : 2;
    // The first that holds is the reason.
    const std::pair<bool, Message> reasons[] = {
        {!sameFormat,
         GT_TEXT("Message", "Saving here would change the format of this file. Save as a new "
                            "file?")},
        {!reading.whole,
         GT_TEXT("Message", "The list holds only part of this file: a blank line ended it, or "
                            "a long line was read as several words. Save as a new file?")},
        {reading.fileColumns > 2 && reading.format == ListFormat::Kvtml,
         {GT_TEXT("Message", "This file has %1 languages; the list uses 2. Save as a new file?"),
          {columns}}},
        {reading.fileColumns > read,
         {GT_TEXT("Message", "This file has %1 columns; the list uses %2. Save as a new file?"),
          {columns, std::to_string(read)}}},
        {reading.format == ListFormat::Table &&
             (reading.columns.word != 0 || reading.columns.translation != 1),
         GT_TEXT("Message", "The list takes the columns of this file the other way round. Save "
                            "as a new file?")},
        {reading.headerRowLeftOut,
         GT_TEXT("Message", "The first row of this file names its columns, and the list leaves it "
                            "out. Save as a new file?")},
        {reading.rowsLeftOut,
         GT_TEXT("Message", "Rows of this file with a word missing are not in the list. Save as a "
                            "new file?")},
        {reading.lessons,
         GT_TEXT("Message", "This file sorts its words into lessons, which the list does not "
                            "keep. Save as a new file?")},
    };
    for (const auto& [holds, reason] : reasons) {
        if (holds) {
            return reason;
        }
    }
    return std::nullopt;
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
