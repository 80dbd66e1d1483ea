#include "files/anki_export.h"

#include "files/media_export.h"
#include "files/media_file.h"
#include "files/utf8_text.h"
#include "learning/list_fingerprint.h"
#include "learning/memory_key.h"
#include "learning/sqlite_handles.h"
#include "words/side_line.h"

#include <nlohmann/json.hpp>
#include <openssl/evp.h>
#include <zip.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

using Json = nlohmann::json;

// The note type keeps its id from one export to the next, so that Anki takes it for the same.
constexpr std::int64_t NoteTypeId = 1'585'300'000'001;
constexpr std::int64_t DefaultDeckId = 1;
constexpr std::int64_t DefaultOptionsId = 1;

// The tables of a schema 11 collection, as Anki creates them.
constexpr const char* CollectionTables = R"(
    CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
        scm integer not null, ver integer not null, dty integer not null, usn integer not null,
        ls integer not null, conf text not null, models text not null, decks text not null,
        dconf text not null, tags text not null);
    CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
        mod integer not null, usn integer not null, tags text not null, flds text not null,
        sfld integer not null, csum integer not null, flags integer not null,
        data text not null);
    CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
        ord integer not null, mod integer not null, usn integer not null, type integer not null,
        queue integer not null, due integer not null, ivl integer not null,
        factor integer not null, reps integer not null, lapses integer not null,
        left integer not null, odue integer not null, odid integer not null,
        flags integer not null, data text not null);
    CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
        ease integer not null, ivl integer not null, lastIvl integer not null,
        factor integer not null, time integer not null, type integer not null);
    CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
    CREATE INDEX ix_notes_usn ON notes (usn);
    CREATE INDEX ix_cards_usn ON cards (usn);
    CREATE INDEX ix_revlog_usn ON revlog (usn);
    CREATE INDEX ix_cards_nid ON cards (nid);
    CREATE INDEX ix_cards_sched ON cards (did, queue, due);
    CREATE INDEX ix_revlog_cid ON revlog (cid);
    CREATE INDEX ix_notes_csum ON notes (csum);)";

// A word as a field holds it: no control character, which would split the field or the note.
std::string FieldText(const std::optional<std::string>& word) {
    std::string text = AsUtf8(word.value_or(""));
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            c = ' ';
        }
    }
    return text;
}

// The field's HTML: the characters that would read as markup escaped.
std::string FieldHtml(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

// The first 32 bits of the SHA-1 of the sort field: how Anki finds a note's duplicates.
std::int64_t FieldChecksum(std::string_view text) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(text.data(), text.size(), digest.data(), &length, EVP_sha1(), nullptr) != 1) {
        return 0;
    }
    return static_cast<std::int64_t>(digest[0]) << 24 | digest[1] << 16 | digest[2] << 8 |
           digest[3];
}

Json Field(const char* name, int ord) {
    return {{"name", name},    {"ord", ord}, {"sticky", false},       {"rtl", false},
            {"font", "Arial"}, {"size", 20}, {"media", Json::array()}};
}

Json NoteTypesJson(std::int64_t deck, std::time_t now) {
    const Json card = {
        {"name", "Card 1"},    {"ord", 0},
        {"qfmt", "{{Front}}"}, {"afmt", "{{FrontSide}}\n\n<hr id=answer>\n\n{{Back}}"},
        {"bqfmt", ""},         {"bafmt", ""},
        {"did", nullptr},      {"bfont", ""},
        {"bsize", 0}};
    const Json basic = {{"id", NoteTypeId},
                        {"name", "Basic"},
                        {"type", 0},
                        {"mod", now},
                        {"usn", -1},
                        {"sortf", 0},
                        {"did", deck},
                        {"tmpls", {card}},
                        {"flds", {Field("Front", 0), Field("Back", 1)}},
                        {"css",
                         ".card {\n font-family: arial;\n font-size: 20px;\n text-align: center;\n"
                         " color: black;\n background-color: white;\n}\n"},
                        {"latexPre", ""},
                        {"latexPost", ""},
                        {"latexsvg", false},
                        // The card needs its Front.
                        {"req", {{0, "any", {0}}}},
                        {"tags", Json::array()},
                        {"vers", Json::array()}};
    return {{std::to_string(NoteTypeId), basic}};
}

Json Deck(std::int64_t id, const std::string& name, std::time_t now) {
    const Json today = {0, 0};
    return {{"id", id},
            {"name", name},
            {"mod", now},
            {"usn", -1},
            {"lrnToday", today},
            {"revToday", today},
            {"newToday", today},
            {"timeToday", today},
            {"collapsed", false},
            {"browserCollapsed", false},
            {"desc", ""},
            {"dyn", 0},
            {"conf", DefaultOptionsId},
            {"extendNew", 0},
            {"extendRev", 0}};
}

// Anki's default study options: older importers read them whole.
Json DefaultOptions() {
    return {{std::to_string(DefaultOptionsId),
             {{"id", DefaultOptionsId},
              {"mod", 0},
              {"name", "Default"},
              {"usn", 0},
              {"maxTaken", 60},
              {"autoplay", true},
              {"timer", 0},
              {"replayq", true},
              {"dyn", false},
              {"new",
               {{"bury", false},
                {"delays", {1.0, 10.0}},
                {"initialFactor", 2500},
                {"ints", {1, 4, 0}},
                {"order", 1},
                {"perDay", 20}}},
              {"rev",
               {{"bury", false},
                {"ease4", 1.3},
                {"ivlFct", 1.0},
                {"maxIvl", 36500},
                {"perDay", 200},
                {"hardFactor", 1.2}}},
              {"lapse",
               {{"delays", {10.0}},
                {"leechAction", 1},
                {"leechFails", 8},
                {"minInt", 1},
                {"mult", 0.0}}}}}};
}

struct Note {
    std::string guid;
    std::string fields;
    std::string sortField;
};

// The pictures and sounds the notes name, numbered as the package's entries.
class PackageFiles {
public:
    explicit PackageFiles(std::string_view listPath) : listPath_(listPath) {}

    // The name the package gives the file of `reference`; "" when the file cannot be used.
    std::string Named(const std::string& reference, MediaKind kind) {
        const std::optional<std::string> source =
            reference.empty() ? std::nullopt : UsableMediaPath(reference, kind, listPath_);
        if (!source) {
            return {};
        }
        if (const auto known = named_.find(*source); known != named_.end()) {
            return known->second;
        }
        const std::string name = names_.Free(std::filesystem::path(*source).filename().string());
        files_.push_back({*source, name});
        return named_[*source] = name;
    }

    // Each file and its name, in the order of their entries.
    const std::vector<std::pair<std::string, std::string>>& Files() const { return files_; }

private:
    std::string listPath_;
    MediaNames names_;
    std::map<std::string, std::string> named_;
    std::vector<std::pair<std::string, std::string>> files_;
};

// A side as Anki shows it: its words, then its picture and its sound. Its note stays behind:
// the Basic note type has no field for it.
std::string SideField(const SideParts& side, PackageFiles& files) {
    std::string field = FieldHtml(FieldText(side.text));
    if (const std::string picture = files.Named(side.image, MediaKind::Picture); !picture.empty()) {
        field += "<img src=\"" + FieldHtml(picture) + "\">";
    }
    if (const std::string sound = files.Named(side.sound, MediaKind::Sound); !sound.empty()) {
        field += "[sound:" + sound + "]";
    }
    return field;
}

std::vector<Note> NotesOf(const WordPairList& pairs, PackageFiles& files) {
    std::vector<Note> notes;
    std::set<std::string> guids;
    for (const WordPair& pair : pairs) {
        const std::string word = FieldText(pair.TextA);
        const std::string translation = FieldText(pair.TextB);
        std::string guid = AnkiNoteGuid(word, translation);
        // The same pair twice is one note.
        if (guids.insert(guid).second) {
            const SideParts front = ParseSide(word);
            // The front's files are numbered first.
            std::string fields = SideField(front, files);
            fields += '\x1f' + SideField(ParseSide(translation), files);
            notes.push_back({std::move(guid), std::move(fields), FieldText(front.text)});
        }
    }
    return notes;
}

bool InsertNotes(sqlite3* db, const std::vector<Note>& notes, std::int64_t deck, std::time_t now) {
    const Statement note = Prepare(db, "INSERT INTO notes VALUES (?1, ?2, ?3, ?4, -1, '', ?5, "
                                       "?6, ?7, 0, '')");
    const Statement card = Prepare(db, "INSERT INTO cards VALUES (?1, ?1, ?2, 0, ?3, -1, 0, 0, "
                                       "?4, 0, 0, 0, 0, 0, 0, 0, 0, '')");
    if (!note || !card) {
        return false;
    }
    // Ids are creation times in milliseconds, one apart.
    const std::int64_t firstId = static_cast<std::int64_t>(now) * 1000;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::int64_t id = firstId + static_cast<std::int64_t>(i);
        sqlite3_reset(note.get());
        sqlite3_bind_int64(note.get(), 1, id);
        Bind(note.get(), 2, notes[i].guid);
        sqlite3_bind_int64(note.get(), 3, NoteTypeId);
        sqlite3_bind_int64(note.get(), 4, now);
        Bind(note.get(), 5, notes[i].fields);
        Bind(note.get(), 6, notes[i].sortField);
        sqlite3_bind_int64(note.get(), 7, FieldChecksum(notes[i].sortField));
        sqlite3_reset(card.get());
        sqlite3_bind_int64(card.get(), 1, id);
        sqlite3_bind_int64(card.get(), 2, deck);
        sqlite3_bind_int64(card.get(), 3, now);
        // New cards come in list order.
        sqlite3_bind_int64(card.get(), 4, static_cast<std::int64_t>(i) + 1);
        if (sqlite3_step(note.get()) != SQLITE_DONE || sqlite3_step(card.get()) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> CollectionBytes(const std::string& deckName,
                                           const std::vector<Note>& notes, std::time_t now) {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open(":memory:", &raw);
    const Database db(raw);
    if (opened != SQLITE_OK || !Execute(db.get(), CollectionTables)) {
        return std::nullopt;
    }
    // A deck keeps its id while its name stays.
    const std::int64_t deck =
        static_cast<std::int64_t>(std::stoull(ListFingerprint({{deckName, ""}}), nullptr, 16) &
                                  0xffffffffffULL) +
        2;
    const Json decks = {{std::to_string(DefaultDeckId), Deck(DefaultDeckId, "Default", now)},
                        {std::to_string(deck), Deck(deck, deckName, now)}};
    const Json options = {{"activeDecks", {deck}},  {"curDeck", deck},
                          {"curModel", NoteTypeId}, {"nextPos", notes.size() + 1},
                          {"newSpread", 0},         {"collapseTime", 1200},
                          {"timeLim", 0},           {"estTimes", true},
                          {"dueCounts", true},      {"sortType", "noteFld"},
                          {"sortBackwards", false}, {"addToCur", true}};
    const Statement col = Prepare(
        db.get(), "INSERT INTO col VALUES (1, ?1, ?2, ?2, 11, 0, 0, 0, ?3, ?4, ?5, ?6, '{}')");
    if (!col) {
        return std::nullopt;
    }
    sqlite3_bind_int64(col.get(), 1, now);
    sqlite3_bind_int64(col.get(), 2, static_cast<std::int64_t>(now) * 1000);
    Bind(col.get(), 3, options.dump());
    Bind(col.get(), 4, NoteTypesJson(deck, now).dump());
    Bind(col.get(), 5, decks.dump());
    Bind(col.get(), 6, DefaultOptions().dump());
    if (sqlite3_step(col.get()) != SQLITE_DONE || !InsertNotes(db.get(), notes, deck, now)) {
        return std::nullopt;
    }
    sqlite3_int64 size = 0;
    const std::unique_ptr<unsigned char, decltype(&sqlite3_free)> bytes(
        sqlite3_serialize(db.get(), "main", &size, 0), &sqlite3_free);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(bytes.get()), static_cast<std::size_t>(size));
}

// An entry of a package: its bytes, or the file that holds them.
struct ZipEntry {
    std::string name;
    const std::string* bytes = nullptr;
    std::string file = {};
};

// A zip archive of the entries, deflated, as the flashcard programs unpack it.
std::optional<std::string> Zipped(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!buffer) {
        return std::nullopt;
    }
    const std::unique_ptr<zip_source_t, decltype(&zip_source_free)> owned(buffer, &zip_source_free);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
    if (!archive) {
        return std::nullopt;
    }
    // The archive writes into the buffer and lets go of it when closed; we read it after.
    zip_source_keep(buffer);
    for (const ZipEntry& entry : entries) {
        // Files are read only when the archive is written, one at a time.
        zip_source_t* source =
            entry.bytes ? zip_source_buffer(archive, entry.bytes->data(), entry.bytes->size(), 0)
                        : zip_source_file(archive, entry.file.c_str(), 0, -1);
        if (!source || zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return std::nullopt;
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return std::nullopt;
    }
    if (zip_source_open(buffer) != 0) {
        return std::nullopt;
    }
    std::string zipped;
    std::array<char, 65536> chunk;
    for (zip_int64_t got = 0; (got = zip_source_read(buffer, chunk.data(), chunk.size())) > 0;) {
        zipped.append(chunk.data(), static_cast<std::size_t>(got));
    }
    zip_source_close(buffer);
    return zipped;
}

} // namespace

std::string AnkiNoteGuid(std::string_view word, std::string_view translation) {
    const MemoryKey key = MemoryKeyOf(word, translation);
    return ListFingerprint({{key.textA, key.textB}});
}

std::optional<std::string> AnkiPackageBytes(std::string_view description, const WordPairList& pairs,
                                            std::string_view listPath, std::time_t now) {
    const std::string named = FieldText(std::string(description));
    PackageFiles files(listPath);
    const std::optional<std::string> collection =
        CollectionBytes(named.empty() ? "Glossatiles" : named, NotesOf(pairs, files), now);
    if (!collection) {
        return std::nullopt;
    }
    // The media map names each numbered entry's file.
    Json map = Json::object();
    std::vector<ZipEntry> entries;
    for (const auto& [file, name] : files.Files()) {
        const std::string number = std::to_string(entries.size());
        map[number] = name;
        entries.push_back({number, nullptr, file});
    }
    const std::string media = map.dump();
    entries.push_back({"collection.anki2", &*collection});
    entries.push_back({"media", &media});
    return Zipped(entries);
}
