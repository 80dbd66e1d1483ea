#include "files/list_export.h"

#include "files/file_name.h"
#include "files/kvtml_writer.h"
#include "files/utf8_text.h"
#include "words/script_language.h"
#include "words/word_list_text.h"

namespace {

// Spreadsheets and the other programs read UTF-8.
void AppendField(std::string& text, const std::optional<std::string>& word) {
    const std::string field = AsUtf8(word.value_or(""));
    // A leading byte order mark would be taken for the file's own.
    if (field.find_first_of("\t;,\"\r\n") == std::string::npos &&
        !field.starts_with("\xEF\xBB\xBF")) {
        text += field;
        return;
    }
    text += '"';
    for (const char c : field) {
        text += c == '"' ? "\"\"" : std::string(1, c);
    }
    text += '"';
}

LanguageLabel SideLabel(const std::string& named, const WordPairList& pairs, ListSide side) {
    return LabelLanguage(named.empty() ? GuessLanguageFromScript(pairs, side) : named);
}

} // namespace

std::optional<ExportFormat> ExportFormatOf(std::string_view path) {
    if (HasExtension(path, ".txt")) {
        return ExportFormat::Native;
    }
    if (HasExtension(path, ".tsv")) {
        return ExportFormat::Tsv;
    }
    if (HasExtension(path, ".csv")) {
        return ExportFormat::Csv;
    }
    if (HasExtension(path, ".kvtml")) {
        return ExportFormat::Kvtml;
    }
    return std::nullopt;
}

std::string DelimitedListText(const WordPairList& pairs, char separator) {
    std::string text;
    for (const WordPair& pair : pairs) {
        AppendField(text, pair.TextA);
        text += separator;
        AppendField(text, pair.TextB);
        text += "\r\n";
    }
    return text;
}

std::string ExportedListText(ExportFormat format, std::string_view description,
                             const WordPairList& pairs, const ListLanguages& languages) {
    switch (format) {
    case ExportFormat::Native:
        return WordListText(description, pairs);
    case ExportFormat::Tsv:
        return DelimitedListText(pairs, '\t');
    case ExportFormat::Csv:
        return DelimitedListText(pairs, ',');
    case ExportFormat::Kvtml:
        return KvtmlText(description, pairs, SideLabel(languages.TextA, pairs, ListSide::TextA),
                         SideLabel(languages.TextB, pairs, ListSide::TextB));
    }
    return {};
}
