#pragma once

#include "files/import_table.h"

#include <string_view>

// True when the text looks like XML whose root is <kvtml>.
bool LooksLikeKvtml(std::string_view text);

// A KDE vocabulary file: version 2 (KWordQuiz, Parley), one column per language, with its title
// and the languages' locales; or version 1, <e><o>word</o><t>translation</t></e>. The first two
// languages are proposed. The text must outlive the source.
OpenedTable KvtmlTable(std::string_view text);
