#pragma once

#include "files/imported_list.h"

#include <string_view>

// True when the text (without a BOM) begins with one of Anki's "#key:value" header lines.
bool HasAnkiHeader(std::string_view text);

// Anki's "Notes in Plain Text" export: header lines, then one note per record. The word and the
// translation are the Front and Back columns when #columns: names them, else the first two
// columns that are not guid, notetype, deck or tags columns.
ImportOutcome ReadAnkiText(std::string_view text);
