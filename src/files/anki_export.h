#pragma once

#include "words/word_pair.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// The note id every export of a pair shares, so that importing the list again updates its
// cards instead of adding them twice: the pair as the progress database knows it, hashed.
std::string AnkiNoteGuid(std::string_view word, std::string_view translation);

// An Anki package as the phone and desktop flashcard programs import it: a legacy
// collection.anki2 of schema 11 with one "Basic" note type (Front, Back), one deck named after
// the description ("Glossatiles" when it has none), one note and one new card per pair (each
// pair once), and the usable pictures and sounds of the list at `listPath` as the package's
// media, shown and played by the fields. Notes stay behind. Dated `now`, so that a later export
// counts as newer. Nullopt when SQLite or the zip cannot be written (no memory, a file gone).
std::optional<std::string> AnkiPackageBytes(std::string_view description, const WordPairList& pairs,
                                            std::string_view listPath, std::time_t now);
