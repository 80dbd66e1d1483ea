#pragma once

#include "files/import_table.h"
#include "files/imported_list.h"
#include "words/import_choice.h"
#include "words/message.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CancelFlag;

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
// split alike at tabs: commas and semicolons make a table only in a .csv or .tsv. `whole` says
// that `head` is the whole file. None for a file the game reads as its own list.
ImportFormat DetectImportFormat(std::string_view path, std::string_view head, bool whole = true);

// The reader a choice sends the file to: a plain text file (None or Delimited) is read as the
// game's own word list or as a table, as the player chose; other formats as they are.
ImportFormat ChosenFormat(ImportFormat detected, const ImportChoice& choice);

// A file as the import sees it under a choice: what is proposed or chosen, and the first
// records after any header row.
struct ImportPreview {
    TableHead head;
    std::vector<TableRow> rows;
    // Of the widest of the first records, or of the names.
    std::size_t columnCount = 0;
    // Why the file cannot be imported at all; then nothing else is filled in.
    std::optional<Message> problem;
    // Shown as the game's own word list: a description line, then a word and its translation
    // on the lines that follow.
    bool wordList = false;
    // Plain text, that the player may read either as a word list or as a table.
    bool eitherWay = false;
};

// Why a file larger than an import reads is refused.
Message TooLargeProblem();

// A file opened for import once: its bytes read and its reader's slow work (unzip, decompress,
// parse) done the first time they are needed, then kept for every preview and for the reading.
// A reading may run on any thread; the cancel flag stops it, and what it gives is then
// cancelled.
class ImportReading {
public:
    // The file at `path`; a table is read only when no larger than MaxImportBytes.
    ImportReading(std::string path, ImportFormat detected, const CancelFlag* cancel = nullptr);
    // The file's bytes, already read; they must outlive the reading.
    ImportReading(std::string path, ImportFormat detected, std::string_view bytes,
                  const CancelFlag* cancel = nullptr);

    ImportFormat Detected() const { return detected_; }

    // Does the reader's slow work for the detected format ahead of the questions.
    void Prepare();

    ImportPreview Preview(const ImportChoice& choice);

    // Reads the whole file under the choice, exactly as Preview shows it, when ChosenFormat is
    // not None. A text must be UTF-8, and the list must hold at least one pair; without a
    // description it gets the file's name. A header row that was guessed, not chosen, is noted.
    ImportOutcome Read(const ImportChoice& choice);

private:
    OpenedTable& Table(ImportFormat format, const ImportChoice& choice);
    std::optional<Message> LoadBytes();
    ImportPreview WordListPreview(const ImportChoice& choice) const;

    std::string path_;
    ImportFormat detected_;
    const CancelFlag* cancel_;
    std::string ownBytes_;
    std::string_view bytes_;
    bool loaded_ = false;
    std::optional<Message> loadProblem_;
    // By format and chosen separator.
    std::map<std::pair<ImportFormat, char>, OpenedTable> tables_;
};

// One preview or one reading of bytes in memory, as ImportReading gives them.
ImportPreview PreviewImport(ImportFormat format, std::string_view path, std::string_view bytes,
                            const ImportChoice& choice = {});
ImportOutcome ImportWordList(ImportFormat format, std::string_view path, std::string_view bytes,
                             const ImportChoice& choice = {});

// The problem with a chosen column (counted from 0) that the file does not have.
std::optional<Message> MissingColumnProblem(const ImportPreview& preview,
                                            const ColumnPair& columns);

// The one message of an import that failed as a whole.
Message ImportFailureMessage(std::string_view path, Message problem);

// The one message after an import that left rows out: how many, and the first lines.
Message LeftOutRowsMessage(std::string_view path, const std::vector<int>& lines);
