#include "files/delimited_records.h"

#include <algorithm>
#include <array>

namespace {

class FieldScanner {
public:
    FieldScanner(std::string_view text, char separator, int line)
        : text_(text), separator_(separator), line_(line) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    int Line() const { return line_; }

    // Reads one field and reports whether its record goes on after it. False when a quoted
    // field is never closed.
    bool ReadField(std::string& field, bool& recordGoesOn) {
        field.clear();
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
                field += c;
            }
        }
        // Unquoted text, or whatever follows a closing quote, is taken as it stands.
        while (!AtEnd() && text_[at_] != separator_ && text_[at_] != '\n') {
            field += text_[at_++];
        }
        recordGoesOn = !AtEnd() && text_[at_] == separator_;
        if (!AtEnd()) {
            line_ += text_[at_] == '\n';
            ++at_;
        }
        if (!recordGoesOn && !field.empty() && field.back() == '\r') {
            field.pop_back();
        }
        return true;
    }

private:
    std::string_view text_;
    char separator_;
    int line_;
    std::size_t at_ = 0;
};

} // namespace

DelimitedRecords SplitDelimited(std::string_view text, char separator, int firstLine) {
    DelimitedRecords result;
    FieldScanner scanner(text, separator, firstLine);
    std::string field;
    while (!scanner.AtEnd()) {
        DelimitedRecord record{scanner.Line(), {}};
        bool goesOn = true;
        while (goesOn) {
            const int fieldLine = scanner.Line();
            if (!scanner.ReadField(field, goesOn)) {
                result.unclosedQuoteLine = fieldLine;
                return result;
            }
            record.fields.push_back(field);
        }
        result.records.push_back(std::move(record));
    }
    return result;
}

char GuessSeparator(std::string_view text) {
    constexpr std::array candidates{'\t', ';', ','};
    std::array<bool, candidates.size()> seen{};
    bool quoted = false;
    bool recordHasText = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\n') {
            if (recordHasText) {
                break;
            }
        } else if (!quoted) {
            const auto found = std::find(candidates.begin(), candidates.end(), c);
            if (found != candidates.end()) {
                seen[found - candidates.begin()] = true;
            }
        }
        recordHasText = recordHasText || (c != '\r' && c != '\n');
    }
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (seen[i]) {
            return candidates[i];
        }
    }
    return candidates[0];
}

std::string UnclosedQuoteProblem(int line) {
    return "The quoted field that begins on line " + std::to_string(line) + " is never closed.";
}
