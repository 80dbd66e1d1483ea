#pragma once

#include "files/import_table.h"

#include <cstddef>
#include <string>
#include <string_view>

class CancelFlag;

// The most a package's collection may unpack to, as much as any imported file may be. More is
// taken for a zip bomb.
inline constexpr std::size_t MaxCollectionBytes = std::size_t{256} << 20;

// True when the bytes begin like a zip archive, as Anki's packages do.
bool LooksLikeZip(std::string_view head);

// An Anki package (.apkg, .colpkg): a zip holding the collection, an SQLite database, plain
// (collection.anki2, collection.anki21) or zstd-compressed (collection.anki21b); the newest one
// present is read, so the stub that newer packages carry for old programs is never dealt. Each
// collection is read as AnkiCollectionTable reads it, its pictures and sounds copied into the
// media store. A package over MaxPackageBytes or of more than MaxPackageFiles files is refused.
OpenedTable AnkiPackageTable(std::string_view bytes, const CancelFlag* cancel = nullptr);
// The same, read from the file piece by piece: only the collection is held in memory.
OpenedTable AnkiPackageFileTable(const std::string& path, const CancelFlag* cancel = nullptr);

// Why a package over MaxPackageBytes is refused.
Message TooLargePackage();
