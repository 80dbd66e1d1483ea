#pragma once

#include "files/import_table.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

// A spreadsheet's CSV or TSV, or a text export without header lines: one record per row. The
// separator is the chosen one, else the guessed one. The text must outlive the source.
std::unique_ptr<TableSource> DelimitedTable(std::string_view text, std::optional<char> separator);

// The records of a delimited text as table rows, each kept field cleaned by `clean`; the
// problem of a quote never closed.
std::optional<Message> ReadDelimitedRows(std::string_view text, char separator, int firstLine,
                                         std::size_t keptFields,
                                         const std::function<std::string(std::string_view)>& clean,
                                         const RowVisitor& visit);

// True when the records of the head (all but a last one that may be cut off) split alike at one
// of the separators, as ConsistentSeparator tells: a table, not one word per line.
bool LooksLikeTable(std::string_view head, bool whole, std::string_view separators);
