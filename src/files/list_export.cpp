#include "files/list_export.h"

#include "files/file_name.h"
#include "files/kvtml_writer.h"
#include "files/utf8_text.h"

#include "words/script_language.h"
#include "words/side_line.h"
#include "words/word_list_text.h"
#include <algorithm>

namespace {

// Spreadsheets and the other programs read UTF-8.
void AppendField(std::string& text, std::string_view word) {
    const std::string field = AsUtf8(word);
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
    const bool notes = std::any_of(pairs.begin(), pairs.end(), [](const WordPair& pair) {
        return !PairNote(pair.TextA.value_or(""), pair.TextB.value_or("")).empty();
    });
    std::string text;
    if (notes) {
        // The names make a reader take the third column for the note.
        text += std::string("Word") + separator + "Translation" + separator + "Note\r\n";
    }
    for (const WordPair& pair : pairs) {
        const std::string a = pair.TextA.value_or("");
        const std::string b = pair.TextB.value_or("");
        AppendField(text, notes ? WithoutNote(a) : a);
        text += separator;
        AppendField(text, notes ? WithoutNote(b) : b);
        if (notes) {
            text += separator;
            AppendField(text, PairNote(a, b));
        }
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
