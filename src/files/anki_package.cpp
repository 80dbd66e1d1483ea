#include "files/anki_package.h"

#include "files/anki_reader.h"
#include "learning/sqlite_handles.h"

#include <nlohmann/json.hpp>
#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <regex>

namespace {

constexpr int oldestSchema = 11;
constexpr int newestSchema = 18;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

struct ZstdFreer {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

Message TooLargeCollection() {
    return {GT_TEXT("Message", "Its collection would unpack to more than %1 MB, far more than a "
                               "deck holds; it is refused."),
            {std::to_string(MaxCollectionBytes >> 20)}};
}

const char* const DamagedArchive = GT_TEXT("Message", "The archive is damaged.");
const char* const NotesUnreadable = GT_TEXT("Message", "Its notes cannot be read.");

ZipArchive OpenZip(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_error_fini(&error);
    if (source == nullptr) {
        return nullptr;
    }
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        zip_source_free(source);
    }
    return ZipArchive(archive);
}

// The bytes of one entry, no more than its stated size, which must be below the limit.
std::optional<std::string> ReadEntry(zip_t* archive, zip_int64_t index, Message& problem) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        problem = DamagedArchive;
        return std::nullopt;
    }
    if (stat.size > MaxCollectionBytes) {
        problem = TooLargeCollection();
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
        zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0), zip_fclose);
    std::string data(stat.size, '\0');
    std::size_t got = 0;
    while (file && got < data.size()) {
        const zip_int64_t read = zip_fread(file.get(), data.data() + got, data.size() - got);
        if (read <= 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    // Reading on to the end makes libzip check the entry's checksum.
    char beyond = 0;
    if (!file || got != data.size() || zip_fread(file.get(), &beyond, 1) != 0) {
        problem = DamagedArchive;
        return std::nullopt;
    }
    return data;
}

std::optional<std::string> Unzstd(std::string_view packed, Message& problem) {
    const std::unique_ptr<ZSTD_DCtx, ZstdFreer> context(ZSTD_createDCtx());
    std::string unpacked;
    std::array<char, 1 << 16> chunk;
    ZSTD_inBuffer in{packed.data(), packed.size(), 0};
    std::size_t pending = 1;
    while (in.pos < in.size || pending != 0) {
        ZSTD_outBuffer out{chunk.data(), chunk.size(), 0};
        pending = ZSTD_decompressStream(context.get(), &out, &in);
        if (ZSTD_isError(pending) != 0 || (out.pos == 0 && in.pos == in.size && pending != 0)) {
            problem = GT_TEXT("Message", "Its compressed collection is damaged.");
            return std::nullopt;
        }
        if (unpacked.size() + out.pos > MaxCollectionBytes) {
            problem = TooLargeCollection();
            return std::nullopt;
        }
        unpacked.append(chunk.data(), out.pos);
    }
    return unpacked;
}

// Media files are stored under numbers.
int MediaCount(zip_t* archive) {
    int count = 0;
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const std::string_view name = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        count += !name.empty() &&
                 std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
    return count;
}

// Field names by note type id.
using NoteTypes = std::map<sqlite3_int64, std::vector<std::string>>;

std::optional<NoteTypes> NoteTypesFromTables(sqlite3* database) {
    const Statement fields = Prepare(database, "SELECT ntid, name FROM fields ORDER BY ntid, ord");
    if (!fields) {
        return std::nullopt;
    }
    NoteTypes types;
    while (sqlite3_step(fields.get()) == SQLITE_ROW) {
        types[sqlite3_column_int64(fields.get(), 0)].push_back(Text(fields.get(), 1));
    }
    return types;
}

std::optional<NoteTypes> NoteTypesFromJson(sqlite3* database) {
    const Statement models = Prepare(database, "SELECT models FROM col");
    if (!models || sqlite3_step(models.get()) != SQLITE_ROW) {
        return std::nullopt;
    }
    const nlohmann::json json = nlohmann::json::parse(Text(models.get(), 0), nullptr, false);
    if (!json.is_object()) {
        return std::nullopt;
    }
    NoteTypes types;
    for (const auto& [key, model] : json.items()) {
        sqlite3_int64 id = 0;
        if (!model.is_object() || !model.contains("flds") || !model["flds"].is_array() ||
            std::sscanf(key.c_str(), "%lld", &id) != 1) {
            continue;
        }
        std::vector<std::pair<std::int64_t, std::string>> ordered;
        for (const nlohmann::json& field : model["flds"]) {
            if (field.is_object() && field.value("name", nlohmann::json()).is_string()) {
                const nlohmann::json ord = field.value("ord", nlohmann::json());
                ordered.emplace_back(ord.is_number_integer() ? ord.get<std::int64_t>() : 0,
                                     field["name"].get<std::string>());
            }
        }
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [ord, name] : ordered) {
            types[id].push_back(std::move(name));
        }
    }
    return types;
}

bool IsCloze(std::string_view flds) {
    static const std::regex cloze(R"(\{\{c\d+::)");
    return flds.find("{{c") != std::string_view::npos &&
           std::regex_search(flds.begin(), flds.end(), cloze);
}

class AnkiPackageSource : public TableSource {
public:
    AnkiPackageSource(std::string collection, int media)
        : collection_(std::move(collection)), media_(media) {}

    // Why the collection cannot be read.
    std::optional<Message> Open() {
        constexpr std::string_view sqliteMark{"SQLite format 3\0", 16};
        if (!std::string_view(collection_).starts_with(sqliteMark)) {
            return GT_TEXT("Message", "Its collection is not an SQLite database.");
        }
        // A collection left in WAL mode reads from memory only as a rollback-journal one.
        if (collection_.size() > 19 && collection_[18] == 2 && collection_[19] == 2) {
            collection_[18] = collection_[19] = 1;
        }
        sqlite3* database = nullptr;
        sqlite3_open_v2(":memory:", &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_PRIVATECACHE,
                        nullptr);
        database_.reset(database);
        if (database == nullptr ||
            sqlite3_deserialize(database, "main",
                                reinterpret_cast<unsigned char*>(collection_.data()),
                                static_cast<sqlite3_int64>(collection_.size()),
                                static_cast<sqlite3_int64>(collection_.size()),
                                SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
            return GT_TEXT("Message", "Its collection cannot be opened.");
        }
        sqlite3_db_config(database, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        const Statement version = Prepare(database, "SELECT ver FROM col");
        if (!version || sqlite3_step(version.get()) != SQLITE_ROW) {
            return GT_TEXT("Message",
                           "Its collection is not an Anki collection, or it is damaged.");
        }
        const int schema = sqlite3_column_int(version.get(), 0);
        if (schema > newestSchema) {
            return Message(GT_TEXT("Message", "It was made by a newer Anki (collection schema "
                                              "%1); this program reads schemas %2 to %3."),
                           {std::to_string(schema), std::to_string(oldestSchema),
                            std::to_string(newestSchema)});
        }
        if (schema < oldestSchema) {
            return Message(
                GT_TEXT("Message",
                        "Its collection schema %1 is older than any this program reads."),
                {std::to_string(schema)});
        }
        std::optional<NoteTypes> types =
            HasTable("notetypes") ? NoteTypesFromTables(database) : NoteTypesFromJson(database);
        if (!types) {
            return GT_TEXT("Message", "Its note types cannot be read.");
        }
        types_ = std::move(*types);
        return UsedTypes();
    }

    TableHead Head() const override {
        TableHead head;
        for (const sqlite3_int64 type : used_) {
            const std::vector<std::string>& names = types_.at(type);
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (i == head.columnNames.size()) {
                    head.columnNames.push_back(names[i]);
                } else if (("/ " + head.columnNames[i] + " /").find("/ " + names[i] + " /") ==
                           std::string::npos) {
                    head.columnNames[i] += " / " + names[i];
                }
            }
        }
        head.certain = used_.size() == 1 && head.columnNames.size() == 2;
        return head;
    }

    std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) override {
        const Statement notes = Prepare(database_.get(), "SELECT flds FROM notes ORDER BY id");
        if (!notes) {
            return NotesUnreadable;
        }
        cloze_ = 0;
        TableRow row;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(notes.get())) == SQLITE_ROW) {
            ++row.line;
            const std::string flds = Text(notes.get(), 0);
            if (IsCloze(flds)) {
                ++cloze_;
                continue;
            }
            row.fields.clear();
            row.fieldCount = 0;
            for (std::size_t at = 0; at <= flds.size();) {
                const std::size_t end = std::min(flds.find('\x1f', at), flds.size());
                if (row.fieldCount++ < keptFields) {
                    row.fields.push_back(
                        AnkiFieldWords(std::string_view(flds).substr(at, end - at), true));
                }
                at = end + 1;
            }
            if (!visit(row)) {
                return std::nullopt;
            }
        }
        if (step != SQLITE_DONE) {
            return Message(GT_TEXT("Message", "Its collection is damaged: %1."),
                           {sqlite3_errmsg(database_.get())});
        }
        return std::nullopt;
    }

    std::vector<Message> Notes() const override {
        std::vector<Message> notes;
        if (cloze_ > 0) {
            notes.push_back(PluralMessage(
                GT_PLURAL_TEXT("Message",
                               "%n cloze notes were left out, since they are not word pairs."),
                "%n cloze note was left out, since they are not word pairs.", cloze_));
        }
        if (media_ > 0) {
            notes.push_back(PluralMessage(
                GT_PLURAL_TEXT("Message", "The deck has %n media files (pictures or sounds); the "
                                          "tiles show only its words."),
                "The deck has %n media file (pictures or sounds); the tiles show only its words.",
                media_));
        }
        return notes;
    }

private:
    bool HasTable(const char* name) const {
        const Statement statement =
            Prepare(database_.get(), "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?");
        if (!statement) {
            return false;
        }
        sqlite3_bind_text(statement.get(), 1, name, -1, SQLITE_STATIC);
        return sqlite3_step(statement.get()) == SQLITE_ROW;
    }

    // The note types that notes use, in id order, or why they cannot be read. A collection
    // whose one note asks for a newer Anki is the stub of a newer package.
    std::optional<Message> UsedTypes() {
        const Statement statement =
            Prepare(database_.get(),
                    "SELECT mid, count(*), max(flds) FROM notes GROUP BY mid ORDER BY mid");
        if (!statement) {
            return NotesUnreadable;
        }
        int notes = 0;
        std::string lastText;
        while (sqlite3_step(statement.get()) == SQLITE_ROW) {
            const sqlite3_int64 type = sqlite3_column_int64(statement.get(), 0);
            notes += sqlite3_column_int(statement.get(), 1);
            lastText = Text(statement.get(), 2);
            if (!types_.contains(type)) {
                return GT_TEXT("Message", "Its notes name a note type that it does not hold.");
            }
            used_.push_back(type);
        }
        if (notes == 1 && lastText.find("update to the latest Anki") != std::string::npos) {
            return GT_TEXT("Message", "It holds only a note asking for a newer Anki; its real "
                                      "collection is missing.");
        }
        return std::nullopt;
    }

    std::string collection_;
    int media_;
    Database database_;
    NoteTypes types_;
    std::vector<sqlite3_int64> used_;
    int cloze_ = 0;
};

} // namespace

bool LooksLikeZip(std::string_view head) {
    return head.starts_with("PK\x03\x04") || head.starts_with("PK\x05\x06");
}

OpenedTable AnkiPackageTable(std::string_view bytes) {
    const ZipArchive archive = OpenZip(bytes);
    if (!archive) {
        return {nullptr, GT_TEXT("Message", "It is not a zip archive, or the archive is damaged.")};
    }
    // Newest first: newer packages add an old-style stub for programs that cannot read them.
    constexpr std::array<std::pair<const char*, bool>, 3> collections{{
        {"collection.anki21b", true},
        {"collection.anki21", false},
        {"collection.anki2", false},
    }};
    for (const auto& [name, compressed] : collections) {
        const zip_int64_t index = zip_name_locate(archive.get(), name, 0);
        if (index < 0) {
            continue;
        }
        Message problem;
        std::optional<std::string> collection = ReadEntry(archive.get(), index, problem);
        if (collection && compressed) {
            collection = Unzstd(*collection, problem);
        }
        if (!collection) {
            return {nullptr, problem};
        }
        auto source =
            std::make_unique<AnkiPackageSource>(std::move(*collection), MediaCount(archive.get()));
        if (std::optional<Message> unreadable = source->Open()) {
            return {nullptr, std::move(*unreadable)};
        }
        return {std::move(source), {}};
    }
    return {nullptr, GT_TEXT("Message", "It holds no Anki collection.")};
}
