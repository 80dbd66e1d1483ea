#pragma once

#include "files/imported_list.h"

#include <string_view>

// True when the text looks like XML whose root is <kvtml>.
bool LooksLikeKvtml(std::string_view text);

// A KDE vocabulary file: version 2 (KWordQuiz, Parley) with its title and the two sides'
// languages, or version 1, <e><o>word</o><t>translation</t></e>.
ImportOutcome ReadKvtml(std::string_view text);
