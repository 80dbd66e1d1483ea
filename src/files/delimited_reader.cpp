#include "files/delimited_reader.h"

#include "files/anki_reader.h"
#include "files/delimited_records.h"
#include "files/imported_list.h"
#include "files/utf8_text.h"

namespace {

class DelimitedSource : public TableSource {
public:
    DelimitedSource(std::string_view text, std::optional<char> separator)
        : text_(WithoutByteOrderMark(text)), separator_(separator.value_or(GuessSeparator(text_))) {
    }

    TableHead Head() const override {
        TableHead head;
        head.separator = separator_;
        head.mayHaveHeaderRow = true;
        head.certain = ConsistentSeparator(text_) == separator_;
        return head;
    }

    std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) override {
        return ReadDelimitedRows(text_, separator_, 1, keptFields, TableFieldSide, visit);
    }

private:
    std::string_view text_;
    char separator_;
};

} // namespace

std::optional<Message> ReadDelimitedRows(std::string_view text, char separator, int firstLine,
                                         std::size_t keptFields,
                                         const std::function<std::string(std::string_view)>& clean,
                                         const RowVisitor& visit) {
    TableRow row;
    const int unclosed =
        ScanDelimited(text, separator, firstLine, keptFields, [&](const DelimitedRecord& record) {
            row.line = record.line;
            row.fieldCount = record.fieldCount;
            row.fields.clear();
            for (const std::string& field : record.fields) {
                row.fields.push_back(clean(field));
            }
            return visit(row);
        });
    if (unclosed != 0) {
        return UnclosedQuoteProblem(unclosed);
    }
    return std::nullopt;
}

std::unique_ptr<TableSource> DelimitedTable(std::string_view text, std::optional<char> separator) {
    return std::make_unique<DelimitedSource>(text, separator);
}

bool LooksLikeTable(std::string_view head, bool whole, std::string_view separators) {
    head = WithoutByteOrderMark(head);
    if (!whole) {
        const std::size_t lastBreak = head.rfind('\n');
        head = head.substr(0, lastBreak == std::string_view::npos ? 0 : lastBreak + 1);
    }
    return ConsistentSeparator(head, separators, std::numeric_limits<std::size_t>::max())
        .has_value();
}
