#include "files/delimited_reader.h"

#include "files/delimited_records.h"
#include "files/utf8_text.h"

ImportOutcome ReadDelimitedList(std::string_view text) {
    text = WithoutByteOrderMark(text);
    const DelimitedRecords records = SplitDelimited(text, GuessSeparator(text));
    if (records.unclosedQuoteLine != 0) {
        return ImportFailure(UnclosedQuoteProblem(records.unclosedQuoteLine));
    }
    ImportedList list;
    for (const DelimitedRecord& record : records.records) {
        const auto field = [&](std::size_t i) {
            return i < record.fields.size() ? CleanImportedWord(record.fields[i]) : std::string();
        };
        AddImportedRow(list, record.line, field(0), field(1));
    }
    return {std::move(list), {}};
}
