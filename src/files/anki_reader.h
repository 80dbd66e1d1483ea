#pragma once

#include "files/import_table.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// True when the text (without a BOM) begins with one of Anki's "#key:value" header lines.
bool HasAnkiHeader(std::string_view text);

// Anki's "Notes in Plain Text" export: header lines, then one note per record. The proposed word
// and translation are the Front and Back columns when #columns: names them, else the first two
// columns that are not guid, notetype, deck or tags columns. The text must outlive the source.
std::unique_ptr<TableSource> AnkiTextTable(std::string_view text);

// What a field's reference to a picture or sound file becomes in a side's line.
using MediaNamer = std::function<std::string(std::string_view name)>;

// One of Anki's fields as a side's line: HTML (when the export says so, or the field looks like
// it) becomes plain text, and its first picture (<img src>, URL-encoded) and first sound
// ([sound:…]) become references to the files `media` names.
std::string AnkiFieldSide(std::string_view field, bool html, const MediaNamer& media);

// A field of a plain table: as it is, but a picture or sound reference as in Anki's exports
// names a file beside the table.
std::string TableFieldSide(std::string_view field);
