#include "support/anki_deck.h"

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <cstdint>
#include <stdexcept>

namespace {

void Execute(sqlite3* database, const std::string& sql) {
    if (sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(database));
    }
}

// A field of a protobuf message: a varint or a length-delimited one.
std::string Varint(std::uint64_t value) {
    std::string bytes;
    for (; value >= 0x80; value >>= 7) {
        bytes += static_cast<char>(value | 0x80);
    }
    return bytes + static_cast<char>(value);
}
std::string ProtoBytes(int field, std::string_view bytes) {
    return static_cast<char>(field << 3 | 2) + Varint(bytes.size()) + std::string(bytes);
}

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        json += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    }
    return json + "\"";
}

std::string ModelsJson(const AnkiDeck& deck) {
    std::string json = "{";
    for (const NoteType& type : deck.types) {
        json += (json.size() > 1 ? "," : "") + JsonString(std::to_string(type.id)) +
                ":{\"id\":" + std::to_string(type.id) + ",\"name\":\"Type\",\"flds\":[";
        for (std::size_t i = 0; i < type.fields.size(); ++i) {
            json += (i > 0 ? "," : "") + std::string("{\"name\":") + JsonString(type.fields[i]) +
                    ",\"ord\":" + std::to_string(i) + "}";
        }
        json += "]}";
    }
    return json + "}";
}

constexpr long long namedDeck = 1700000000000;

// Anki's Default deck, and the named one.
std::string DecksJson(const AnkiDeck& deck) {
    std::string json = R"({"1":{"id":1,"name":"Default"})";
    if (!deck.deckName.empty()) {
        json += ",\"" + std::to_string(namedDeck) + R"(":{"id":)" + std::to_string(namedDeck) +
                ",\"name\":" + JsonString(deck.deckName) + "}";
    }
    return json + "}";
}

// The newer tables keep a deck's path with 0x1F between its parts.
std::string TableDeckName(std::string name) {
    for (std::size_t at = name.find("::"); at != std::string::npos; at = name.find("::", at)) {
        name.replace(at, 2, "\x1f");
    }
    return name;
}

} // namespace

std::string AnkiCollection(const AnkiDeck& deck, BuilderLimits limits) {
    sqlite3* database = nullptr;
    sqlite3_open(":memory:", &database);
    Execute(database, "CREATE TABLE col (id INTEGER PRIMARY KEY, crt INTEGER, mod INTEGER, "
                      "scm INTEGER, ver INTEGER, dty INTEGER, usn INTEGER, ls INTEGER, conf TEXT, "
                      "models TEXT, decks TEXT, dconf TEXT, tags TEXT);"
                      "CREATE TABLE notes (id INTEGER PRIMARY KEY, guid TEXT, mid INTEGER, "
                      "mod INTEGER, usn INTEGER, tags TEXT, flds TEXT, sfld TEXT, csum INTEGER, "
                      "flags INTEGER, data TEXT);"
                      "CREATE TABLE cards (id INTEGER PRIMARY KEY, nid INTEGER, did INTEGER, "
                      "ord INTEGER, mod INTEGER, usn INTEGER, type INTEGER, queue INTEGER, "
                      "due INTEGER, ivl INTEGER, factor INTEGER, reps INTEGER, lapses INTEGER, "
                      "left INTEGER, odue INTEGER, odid INTEGER, flags INTEGER, data TEXT);");
    const bool tables = deck.schema >= 15;
    Execute(database, "INSERT INTO col VALUES (1, 0, 0, 0, " + std::to_string(deck.schema) +
                          ", 0, 0, 0, '{}', " + Quoted(tables ? "" : ModelsJson(deck)) + ", " +
                          Quoted(tables ? "" : DecksJson(deck)) + ", '{}', '{}')");
    if (tables) {
        Execute(database, "CREATE TABLE notetypes (id INTEGER PRIMARY KEY, name TEXT, "
                          "mtime_secs INTEGER, usn INTEGER, config BLOB);"
                          "CREATE TABLE fields (ntid INTEGER, ord INTEGER, name TEXT, config BLOB, "
                          "PRIMARY KEY (ntid, ord));"
                          "CREATE TABLE decks (id INTEGER PRIMARY KEY, name TEXT, "
                          "mtime_secs INTEGER, usn INTEGER, common BLOB, kind BLOB);"
                          "INSERT INTO decks VALUES (1, 'Default', 0, 0, x'', x'');");
        if (!deck.deckName.empty()) {
            Execute(database, "INSERT INTO decks VALUES (" + std::to_string(namedDeck) + ", " +
                                  Quoted(TableDeckName(deck.deckName)) + ", 0, 0, x'', x'')");
        }
        for (const NoteType& type : deck.types) {
            Execute(database, "INSERT INTO notetypes VALUES (" + std::to_string(type.id) +
                                  ", 'Type', 0, 0, x'')");
            // Stored out of order: the reader must sort them.
            for (std::size_t i = type.fields.size(); i-- > 0;) {
                Execute(database, "INSERT INTO fields VALUES (" + std::to_string(type.id) + ", " +
                                      std::to_string(i) + ", " + Quoted(type.fields[i]) + ", x'')");
            }
        }
    }
    long long id = 1000;
    for (const auto& [type, fields] : deck.notes) {
        std::string flds;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            flds += (i > 0 ? "\x1f" : "") + fields[i];
        }
        Execute(database, "INSERT INTO notes VALUES (" + std::to_string(++id) + ", 'g', " +
                              std::to_string(type) + ", 0, 0, '', " + Quoted(flds) +
                              ", '', 0, 0, '')");
        Execute(database, "INSERT INTO cards VALUES (" + std::to_string(id) + ", " +
                              std::to_string(id) + ", " +
                              std::to_string(deck.deckName.empty() ? 1 : namedDeck) +
                              ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '')");
    }
    if (!deck.hostileSql.empty()) {
        sqlite3_set_authorizer(
            database,
            [](void*, int action, const char*, const char*, const char*, const char*) {
                return action == SQLITE_ATTACH || action == SQLITE_DETACH ? SQLITE_DENY : SQLITE_OK;
            },
            nullptr);
        sqlite3_progress_handler(
            database, 1000, [](void* left) { return --*static_cast<int*>(left) < 0 ? 1 : 0; },
            &limits.steps);
        sqlite3_limit(database, SQLITE_LIMIT_LENGTH, limits.longestText);
        try {
            Execute(database, deck.hostileSql);
        } catch (...) {
            sqlite3_close(database);
            throw;
        }
    }
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(database, "main", &size, 0);
    std::string collection(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    sqlite3_close(database);
    return collection;
}

std::string ZipArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* entry = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), entry, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    std::string zipped(static_cast<std::size_t>(zip_source_tell(buffer)), '\0');
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, zipped.data(), zipped.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return zipped;
}

std::string ZstdCompressed(std::string_view bytes) {
    std::string packed(ZSTD_compressBound(bytes.size()), '\0');
    packed.resize(ZSTD_compress(packed.data(), packed.size(), bytes.data(), bytes.size(), 3));
    return packed;
}

std::string AnkiPackage(const AnkiDeck& deck, bool newerFormat) {
    if (!newerFormat) {
        return ZipArchive({{"collection.anki2", AnkiCollection(deck)}, {"media", "{}"}});
    }
    const AnkiDeck stub{11,
                        {{1, {"Front", "Back"}}},
                        {{1,
                          {"Please update to the latest Anki version, then import the "
                           ".colpkg/.apkg file again.",
                           ""}}}};
    return ZipArchive({{"collection.anki2", AnkiCollection(stub)},
                       {"collection.anki21b", ZstdCompressed(AnkiCollection(deck))},
                       {"media", ""}});
}

std::string MediaEntriesList(const std::vector<PackageFile>& files) {
    std::string list;
    for (const PackageFile& file : files) {
        list += ProtoBytes(1, ProtoBytes(1, file.name) + '\x10' + Varint(file.declaredSize));
    }
    return list;
}

std::string NewestPackageWithList(const AnkiDeck& deck, std::string_view mediaList,
                                  const std::vector<std::string>& entries) {
    std::vector<std::pair<std::string, std::string>> zipped{
        {"collection.anki21b", ZstdCompressed(AnkiCollection(deck))}};
    for (const std::string& entry : entries) {
        zipped.emplace_back(std::to_string(zipped.size() - 1), entry);
    }
    zipped.emplace_back("media", ZstdCompressed(mediaList));
    return ZipArchive(zipped);
}

std::string NewestPackage(const AnkiDeck& deck, const std::vector<PackageFile>& files) {
    std::vector<std::string> entries;
    for (const PackageFile& file : files) {
        entries.push_back(ZstdCompressed(file.bytes));
    }
    return NewestPackageWithList(deck, MediaEntriesList(files), entries);
}
