#pragma once

#include "files/anki_media.h"
#include "files/import_table.h"

#include <cstddef>
#include <string>

class CancelFlag;

// The most notes a package may hold.
inline constexpr std::size_t MaxPackageNotes = 250'000;

// An Anki collection, an SQLite database, as a table: each note is a row and its fields are the
// columns, named by its note type; the deck its cards are in is the description. Only real
// tables of Anki's columns are read. Cloze notes are left out and counted. Pictures and sounds
// that fields name become references to the package's media.
OpenedTable AnkiCollectionTable(std::string collection, PackageMedia media,
                                const CancelFlag* cancel);
