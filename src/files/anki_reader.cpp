#include "files/anki_reader.h"

#include "files/imported_list.h"

#include "files/column_names.h"
#include "files/delimited_reader.h"
#include "files/delimited_records.h"
#include "files/html_field.h"
#include "files/utf8_text.h"
#include "words/lowered.h"
#include "words/side_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>

namespace {

using namespace std::string_view_literals;

// Files beside an exported table keep the names its fields give them.
std::string SameName(std::string_view name) {
    return std::string(name);
}
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
    // The notes, after the header lines, and the line they begin on.
    std::string_view notes;
    int firstLine = 1;
};

AnkiHeader ReadHeader(std::string_view text) {
    AnkiHeader header;
    text = WithoutByteOrderMark(text);
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
        ++header.firstLine;
    }
    header.notes = text;
    return header;
}

std::vector<std::string> ColumnNames(const AnkiHeader& header, char separator) {
    const DelimitedRecords names = SplitDelimited(header.columns, separator);
    if (header.columns.empty() || names.records.empty()) {
        return {};
    }
    std::vector<std::string> cleaned;
    for (const std::string& name : names.records.front().fields) {
        cleaned.push_back(CleanImportedWord(name));
    }
    return cleaned;
}

// Index of the word and translation columns.
ColumnPair WordColumns(const AnkiHeader& header, char separator) {
    const std::vector<std::string> names = ColumnNames(header, separator);
    std::optional<std::size_t> front;
    std::optional<std::size_t> back;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = Lowered(names[i]);
        if (name == "front" && !front) {
            front = i;
        } else if (name == "back" && !back) {
            back = i;
        }
    }
    const std::optional<std::size_t> note = ProposedColumns(names).note;
    if (front && back) {
        return {*front, *back, note};
    }
    std::array<std::size_t, 2> chosen{};
    std::size_t column = 0;
    for (std::size_t& index : chosen) {
        while (header.columnsWithoutWords.contains(column)) {
            ++column;
        }
        index = column++;
    }
    const bool noteApart = note != chosen[0] && note != chosen[1];
    return {chosen[0], chosen[1], noteApart ? note : std::nullopt};
}

class AnkiTextSource : public TableSource {
public:
    explicit AnkiTextSource(std::string_view text)
        : header_(ReadHeader(text)),
          separator_(header_.separator.value_or(GuessSeparator(header_.notes))) {}

    TableHead Head() const override {
        TableHead head;
        head.columnNames = ColumnNames(header_, separator_);
        head.columns = WordColumns(header_, separator_);
        // Names given by #columns: leave the first note alone.
        head.mayHaveHeaderRow = head.columnNames.empty();
        return head;
    }

    std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) override {
        const bool html = header_.html;
        return ReadDelimitedRows(
            header_.notes, separator_, header_.firstLine, keptFields,
            [html](std::string_view field) { return AnkiFieldSide(field, html, SameName); }, visit);
    }

private:
    AnkiHeader header_;
    char separator_;
};

} // namespace

bool HasAnkiHeader(std::string_view text) {
    text = WithoutByteOrderMark(text);
    return ParseHeaderLine(text.substr(0, text.find('\n'))).has_value();
}

std::string AnkiFieldSide(std::string_view field, bool html, const MediaNamer& media) {
    const SoundTags sounds = SplitSoundTags(field);
    const HtmlField read = html || LooksLikeHtml(sounds.rest)
                               ? ReadHtmlField(sounds.rest)
                               : HtmlField{CleanImportedWord(sounds.rest), {}};
    const auto reference = [&media](const std::string& name) {
        const std::string file = ReferenceValue(CleanImportedWord(name));
        return file.empty() ? file : ReferenceValue(media(file));
    };
    return SideLine(
        {read.text, reference(PercentDecoded(read.image)), reference(sounds.first), {}});
}

std::string TableFieldSide(std::string_view field) {
    if (field.find("<img") == std::string_view::npos &&
        field.find("[sound:") == std::string_view::npos) {
        return CleanImportedWord(field);
    }
    return AnkiFieldSide(field, false, SameName);
}

std::unique_ptr<TableSource> AnkiTextTable(std::string_view text) {
    return std::make_unique<AnkiTextSource>(text);
}
