#include "files/anki_reader.h"

#include "files/delimited_records.h"
#include "files/html_field.h"
#include "files/utf8_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <set>

namespace {

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lowered;
}

using namespace std::string_view_literals;
constexpr std::array headerKeys{
    "separator"sv,   "html"sv,        "columns"sv,  "tags column"sv, "notetype column"sv,
    "deck column"sv, "guid column"sv, "notetype"sv, "deck"sv,        "tags"sv,
};

struct HeaderLine {
    std::string key; // lowered
    std::string value;
};

std::optional<HeaderLine> ParseHeaderLine(std::string_view line) {
    if (!line.starts_with('#')) {
        return std::nullopt;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    HeaderLine header{Lowered(line.substr(1, colon - 1)), std::string(line.substr(colon + 1))};
    if (std::find(headerKeys.begin(), headerKeys.end(), header.key) == headerKeys.end()) {
        return std::nullopt;
    }
    if (header.value.ends_with('\r')) {
        header.value.pop_back();
    }
    return header;
}

std::optional<char> SeparatorNamed(const std::string& value) {
    constexpr std::array<std::pair<std::string_view, char>, 6> names{{
        {"tab", '\t'},
        {"comma", ','},
        {"semicolon", ';'},
        {"space", ' '},
        {"pipe", '|'},
        {"colon", ':'},
    }};
    const std::string lowered = Lowered(value);
    for (const auto& [name, separator] : names) {
        if (lowered == name) {
            return separator;
        }
    }
    return value.size() == 1 ? std::optional(value[0]) : std::nullopt;
}

// Columns are counted from 1 in the header; 0 is no column.
std::size_t ColumnNumber(const std::string& value) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc() ? number : 0;
}

struct AnkiHeader {
    std::optional<char> separator;
    bool html = false;
    std::string columns;
    std::set<std::size_t> columnsWithoutWords; // from 0
};

// Index of the word and translation columns.
std::pair<std::size_t, std::size_t> WordColumns(const AnkiHeader& header, char separator) {
    if (!header.columns.empty()) {
        const DelimitedRecords names = SplitDelimited(header.columns, separator);
        if (!names.records.empty()) {
            const std::vector<std::string>& fields = names.records.front().fields;
            std::optional<std::size_t> front;
            std::optional<std::size_t> back;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const std::string name = Lowered(CleanImportedWord(fields[i]));
                if (name == "front" && !front) {
                    front = i;
                } else if (name == "back" && !back) {
                    back = i;
                }
            }
            if (front && back) {
                return {*front, *back};
            }
        }
    }
    std::array<std::size_t, 2> chosen{};
    std::size_t column = 0;
    for (std::size_t& index : chosen) {
        while (header.columnsWithoutWords.contains(column)) {
            ++column;
        }
        index = column++;
    }
    return {chosen[0], chosen[1]};
}

std::string FieldWords(const std::vector<std::string>& fields, std::size_t column, bool html) {
    if (column >= fields.size()) {
        return {};
    }
    const std::string text = WithoutSoundTags(fields[column]);
    return html || LooksLikeHtml(text) ? PlainTextFromHtml(text) : CleanImportedWord(text);
}

} // namespace

bool HasAnkiHeader(std::string_view text) {
    text = WithoutByteOrderMark(text);
    return ParseHeaderLine(text.substr(0, text.find('\n'))).has_value();
}

ImportOutcome ReadAnkiText(std::string_view text) {
    text = WithoutByteOrderMark(text);
    AnkiHeader header;
    int line = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const auto parsed = ParseHeaderLine(text.substr(0, end));
        if (!parsed) {
            break;
        }
        if (parsed->key == "separator") {
            header.separator = SeparatorNamed(parsed->value);
        } else if (parsed->key == "html") {
            header.html = Lowered(CleanImportedWord(parsed->value)) == "true";
        } else if (parsed->key == "columns") {
            header.columns = parsed->value;
        } else if (parsed->key.ends_with(" column")) {
            if (const std::size_t number = ColumnNumber(CleanImportedWord(parsed->value))) {
                header.columnsWithoutWords.insert(number - 1);
            }
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
    }
    const char separator = header.separator.value_or(GuessSeparator(text));
    const DelimitedRecords records = SplitDelimited(text, separator, line);
    if (records.unclosedQuoteLine != 0) {
        return ImportFailure(UnclosedQuoteProblem(records.unclosedQuoteLine));
    }
    const auto [wordColumn, translationColumn] = WordColumns(header, separator);
    ImportedList list;
    for (const DelimitedRecord& record : records.records) {
        AddImportedRow(list, record.line, FieldWords(record.fields, wordColumn, header.html),
                       FieldWords(record.fields, translationColumn, header.html));
    }
    return {std::move(list), {}};
}
