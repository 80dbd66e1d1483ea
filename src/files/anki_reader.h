#pragma once

#include "files/import_table.h"

#include <memory>
#include <string>
#include <string_view>

// True when the text (without a BOM) begins with one of Anki's "#key:value" header lines.
bool HasAnkiHeader(std::string_view text);

// Anki's "Notes in Plain Text" export: header lines, then one note per record. The proposed word
// and translation are the Front and Back columns when #columns: names them, else the first two
// columns that are not guid, notetype, deck or tags columns. The text must outlive the source.
std::unique_ptr<TableSource> AnkiTextTable(std::string_view text);

// The words of one of Anki's fields: sound references go, and HTML (when the export says so, or
// the field looks like it) becomes plain text.
std::string AnkiFieldWords(std::string_view field, bool html);
