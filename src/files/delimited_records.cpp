#include "files/delimited_records.h"

#include <algorithm>

namespace {

class FieldScanner {
public:
    FieldScanner(std::string_view text, char separator, int line)
        : text_(text), separator_(separator), line_(line) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    int Line() const { return line_; }

    // Reads one field, into `field` when `keep`, and reports whether its record goes on after
    // it and whether the field is empty. False when a quoted field is never closed.
    bool ReadField(std::string& field, bool keep, bool& recordGoesOn, bool& empty) {
        field.clear();
        std::size_t length = 0;
        char last = 0;
        const auto take = [&](char c) {
            ++length;
            last = c;
            if (keep) {
                field += c;
            }
        };
        if (!AtEnd() && text_[at_] == '"') {
            ++at_;
            for (;;) {
                if (AtEnd()) {
                    return false;
                }
                const char c = text_[at_++];
                if (c == '"') {
                    if (AtEnd() || text_[at_] != '"') {
                        break;
                    }
                    ++at_;
                }
                line_ += c == '\n';
                take(c);
            }
        }
        // Unquoted text, or whatever follows a closing quote, is taken as it stands.
        while (!AtEnd() && text_[at_] != separator_ && text_[at_] != '\n') {
            take(text_[at_++]);
        }
        recordGoesOn = !AtEnd() && text_[at_] == separator_;
        if (!AtEnd()) {
            line_ += text_[at_] == '\n';
            ++at_;
        }
        if (!recordGoesOn && length > 0 && last == '\r') {
            --length;
            if (keep) {
                field.pop_back();
            }
        }
        empty = length == 0;
        return true;
    }

private:
    std::string_view text_;
    char separator_;
    int line_;
    std::size_t at_ = 0;
};

bool IsBlankRecord(const DelimitedRecord& record) {
    return record.filledCount == 0;
}

} // namespace

int ScanDelimited(std::string_view text, char separator, int firstLine, std::size_t keptFields,
                  const RecordVisitor& visit) {
    FieldScanner scanner(text, separator, firstLine);
    DelimitedRecord record;
    std::string field;
    while (!scanner.AtEnd()) {
        record.line = scanner.Line();
        record.fields.clear();
        record.fieldCount = 0;
        record.filledCount = 0;
        bool goesOn = true;
        while (goesOn) {
            const int fieldLine = scanner.Line();
            const bool keep = record.fieldCount < keptFields;
            bool empty = true;
            if (!scanner.ReadField(field, keep, goesOn, empty)) {
                return fieldLine;
            }
            if (keep) {
                record.fields.push_back(field);
            }
            ++record.fieldCount;
            if (!empty) {
                record.filledCount = record.fieldCount;
            }
        }
        if (!visit(record)) {
            break;
        }
    }
    return 0;
}

DelimitedRecords SplitDelimited(std::string_view text, char separator, int firstLine) {
    DelimitedRecords result;
    result.unclosedQuoteLine =
        ScanDelimited(text, separator, firstLine, std::numeric_limits<std::size_t>::max(),
                      [&](const DelimitedRecord& record) {
                          result.records.push_back(record);
                          return true;
                      });
    return result;
}

std::optional<char> ConsistentSeparator(std::string_view text, std::string_view candidates,
                                        std::size_t records) {
    for (const char separator : candidates) {
        std::size_t seen = 0;
        // Every record can be counted as n fields for any n from the most filled to the fewest.
        std::size_t mostFilled = 0;
        std::size_t fewest = std::numeric_limits<std::size_t>::max();
        // A record cut off by the end of a text's head may still close its quote later.
        ScanDelimited(text, separator, 1, 0, [&](const DelimitedRecord& record) {
            if (IsBlankRecord(record)) {
                return true;
            }
            mostFilled = std::max(mostFilled, record.filledCount);
            fewest = std::min(fewest, record.fieldCount);
            return mostFilled <= fewest && ++seen < records;
        });
        if (seen > 0 && mostFilled <= fewest && mostFilled >= 2) {
            return separator;
        }
    }
    return std::nullopt;
}

char GuessSeparator(std::string_view text) {
    if (const std::optional<char> consistent = ConsistentSeparator(text)) {
        return *consistent;
    }
    for (const char separator : TableSeparators) {
        std::size_t fields = 0;
        ScanDelimited(text, separator, 1, 0, [&](const DelimitedRecord& record) {
            fields = record.fieldCount;
            return IsBlankRecord(record);
        });
        if (fields >= 2) {
            return separator;
        }
    }
    return TableSeparators[0];
}

Message UnclosedQuoteProblem(int line) {
    return {GT_TEXT("Message", "The quoted field that begins on line %1 is never closed."),
            {std::to_string(line)}};
}
