#pragma once

#include "words/list_languages.h"
#include "words/word_pair.h"

#include <optional>
#include <string>
#include <string_view>

enum class ExportFormat { Native, Tsv, Csv, Kvtml };

// The format a name's extension asks for: .txt, .tsv, .csv or .kvtml, in any case; nullopt
// otherwise.
std::optional<ExportFormat> ExportFormatOf(std::string_view path);

// One record per pair, CR LF after each. A field is quoted when it holds a quote, a line break
// or any separator a reader might guess, so the file reads back as it was written. Pictures and
// sounds stay references in their sides' fields; when a pair has a note, every note goes in a
// third column, under a row that names the columns.
std::string DelimitedListText(const WordPairList& pairs, char separator);

// The whole file of a list in that format. The languages are what the list or the player names
// each side by; a side named nowhere is labelled by the script of its words where that tells.
std::string ExportedListText(ExportFormat format, std::string_view description,
                             const WordPairList& pairs, const ListLanguages& languages);
