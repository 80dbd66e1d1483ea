#include "files/list_import.h"

#include "files/anki_reader.h"
#include "files/delimited_reader.h"
#include "files/file_name.h"
#include "files/kvtml_reader.h"
#include "files/utf8_text.h"

ImportFormat DetectImportFormat(std::string_view path, std::string_view head) {
    if (HasAnkiHeader(head)) {
        return ImportFormat::AnkiText;
    }
    if (LooksLikeKvtml(head) || HasExtension(path, ".kvtml")) {
        return ImportFormat::Kvtml;
    }
    if (HasExtension(path, ".csv") || HasExtension(path, ".tsv")) {
        return ImportFormat::Delimited;
    }
    return ImportFormat::None;
}

ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes) {
    if (!IsUtf8Text(bytes)) {
        return ImportFailure("It is not UTF-8 text.");
    }
    ImportOutcome outcome;
    switch (format) {
    case ImportFormat::AnkiText:
        outcome = ReadAnkiText(bytes);
        break;
    case ImportFormat::Delimited:
        outcome = ReadDelimitedList(bytes);
        break;
    case ImportFormat::Kvtml:
        outcome = ReadKvtml(bytes);
        break;
    case ImportFormat::None:
        return ImportFailure("No reader claims it.");
    }
    if (!outcome.list) {
        return outcome;
    }
    if (outcome.list->pairs.empty()) {
        return ImportFailure("It holds no word pair.");
    }
    if (outcome.list->description.empty()) {
        outcome.list->description = FileName(path);
    }
    return outcome;
}

std::string ImportFailureMessage(std::string_view path, std::string_view problem) {
    return "Can't import the file\n" + std::string(path) + "\n" + std::string(problem);
}

Message LeftOutRowsMessage(std::string_view path, const std::vector<int>& lines) {
    constexpr std::size_t shown = 5;
    std::string numbers;
    for (std::size_t i = 0; i < lines.size() && i < shown; ++i) {
        numbers += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    }
    return PluralMessage(
        GT_PLURAL_TEXT("Message", "%n rows of %1 were left out because a word or its translation "
                                  "is empty.\nLines %2"),
        "%n row of %1 was left out because a word or its translation is empty.\nLine %2",
        static_cast<long long>(lines.size()),
        {std::string(FileName(path)), numbers + (lines.size() > shown ? ", ..." : "")});
}
