#pragma once

#include "files/imported_list.h"
#include "words/message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class ImportFormat { None, AnkiText, Delimited, Kvtml };

// How many of a file's first bytes DetectImportFormat needs to see.
inline constexpr std::size_t ImportDetectionBytes = 4096;

// Which reader claims a file: its first bytes decide (Anki's header lines, an XML root
// <kvtml>), then its extension (.csv, .tsv, .kvtml). None for a file the game reads as its own
// list, since a one-column CSV and a native list cannot be told apart by their text.
ImportFormat DetectImportFormat(std::string_view path, std::string_view head);

// Reads a whole file of that format. It must be UTF-8 text and hold at least one pair; a format
// without a description gets the file's name.
ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes);

// The one message of an import that failed as a whole.
std::string ImportFailureMessage(std::string_view path, std::string_view problem);

// The one message after an import that left rows out: how many, and the first lines.
Message LeftOutRowsMessage(std::string_view path, const std::vector<int>& lines);
