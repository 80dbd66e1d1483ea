#pragma once

#include "files/import_table.h"

#include <cstddef>
#include <string_view>

// The most entries a kvtml file may hold, and the most memory its parsed tree may take.
inline constexpr std::size_t MaxKvtmlEntries = 100'000;
inline constexpr std::size_t MaxKvtmlTreeBytes = std::size_t{256} << 20;

// True when the text looks like XML whose root is <kvtml>.
bool LooksLikeKvtml(std::string_view text);

// A KDE vocabulary file: version 2 (KWordQuiz, Parley), one column per language, with its title
// and the languages' locales; or version 1, <e><o>word</o><t>translation</t></e>. The first two
// languages are proposed. A file of more than MaxKvtmlEntries entries is refused, and so is one
// whose parsed tree would take more than a small multiple of its size: many tiny elements. The
// text must outlive the source.
OpenedTable KvtmlTable(std::string_view text);
