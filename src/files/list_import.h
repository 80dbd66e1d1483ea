#pragma once

#include "files/import_choice.h"
#include "files/import_table.h"
#include "files/imported_list.h"
#include "words/message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class ImportFormat { None, AnkiText, Delimited, Kvtml, AnkiPackage };

// How many of a file's first bytes DetectImportFormat needs to see.
inline constexpr std::size_t ImportDetectionBytes = 4096;

// The largest file an import reads. Bigger files are refused before they are read, so that no
// file can take the memory of the machine.
inline constexpr std::size_t MaxImportBytes = std::size_t{256} << 20;

// How many records the preview shows.
inline constexpr std::size_t PreviewRowCount = 20;

// Which reader claims a file: its first bytes decide (a zip named .apkg or .colpkg, Anki's header
// lines, an XML root <kvtml>), then its extension (.csv, .tsv, .kvtml), then whether its lines
// split alike into columns. `whole` says that `head` is the whole file. None for a file the game
// reads as its own list.
ImportFormat DetectImportFormat(std::string_view path, std::string_view head, bool whole = true);

// A file as the import sees it under a choice: what is proposed or chosen, and the first
// records after any header row.
struct ImportPreview {
    TableHead head;
    std::vector<TableRow> rows;
    // Of the widest of the first records, or of the names.
    std::size_t columnCount = 0;
    // Why the file cannot be imported at all; then nothing else is filled in.
    std::optional<Message> problem;
};

ImportPreview PreviewImport(ImportFormat format, std::string_view path, std::string_view bytes,
                            const ImportChoice& choice = {});

// Reads a whole file of that format under the choice, exactly as PreviewImport shows it. A text
// must be UTF-8, and the list must hold at least one pair; without a description it gets the
// file's name.
ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes,
                             const ImportChoice& choice = {});

// The problem with a chosen column (counted from 0) that the file does not have.
std::optional<Message> MissingColumnProblem(const ImportPreview& preview,
                                            const ColumnPair& columns);

// The one message of an import that failed as a whole.
Message ImportFailureMessage(std::string_view path, Message problem);

// The one message after an import that left rows out: how many, and the first lines.
Message LeftOutRowsMessage(std::string_view path, const std::vector<int>& lines);
