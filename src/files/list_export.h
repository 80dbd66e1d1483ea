#pragma once

#include "words/word_pair.h"

#include <optional>
#include <string>
#include <string_view>

enum class ExportFormat { Native, Tsv, Csv };

// The format a name's extension asks for: .txt, .tsv or .csv, in any case; nullopt otherwise.
std::optional<ExportFormat> ExportFormatOf(std::string_view path);

// One record per pair, CR LF after each. A field is quoted when it holds a quote, a line break
// or any separator a reader might guess, so the file reads back as it was written.
std::string DelimitedListText(const WordPairList& pairs, char separator);
