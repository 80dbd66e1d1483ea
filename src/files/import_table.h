#pragma once

#include "words/import_choice.h"
#include "words/message.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A record of a table: the line it begins on (for a package, its note's number) and its fields,
// cleaned as the format asks.
struct TableRow {
    int line = 0;
    // The first fields only, as many as were asked for.
    std::vector<std::string> fields;
    // How many fields the record has.
    std::size_t fieldCount = 0;
};

// Called once per row, in order; false stops the reading.
using RowVisitor = std::function<bool(const TableRow&)>;

// What a table holds before its rows are read, and what is proposed for it.
struct TableHead {
    // The separator of a delimited text, or 0 when the format has none to choose.
    char separator = 0;
    // The first record may name the columns, as a spreadsheet's does.
    bool mayHaveHeaderRow = false;
    // The first record names the columns; it is not a pair.
    bool headerRow = false;
    // Where the format (or a header row) names them; may be fewer than the columns.
    std::vector<std::string> columnNames;
    // The language each column holds, where the format says.
    std::vector<std::string> columnLanguages;
    ColumnPair columns;
    // Empty when the format names none.
    std::string description;
    // The rows are sorted into lessons, which the list does not keep.
    bool lessons = false;
    // The guess needs no confirmation: the preview opens only when the player asks for it.
    bool certain = true;
};

// One reader of a table-like format.
class TableSource {
public:
    virtual ~TableSource() = default;
    virtual TableHead Head() const = 0;
    // Reads every row, keeping its first keptFields fields. The problem when the file turns out
    // to be unreadable.
    virtual std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) = 0;
    // What the player should know after a reading: what was left out, what the file also holds.
    virtual std::vector<Message> Notes() const { return {}; }
};

// A reader ready for its rows, or why the file cannot be read at all.
struct OpenedTable {
    std::unique_ptr<TableSource> source;
    Message problem;
};
