#include "files/anki_collection.h"

#include "files/anki_reader.h"
#include "files/column_names.h"
#include "files/imported_list.h"
#include "files/untrusted_database.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int oldestSchema = 11;
constexpr int newestSchema = 18;

Message NotATable(const char* table) {
    return {
        GT_TEXT("Message",
                "In its collection, %1 is not a plain table with Anki's columns; it is refused."),
        {table}};
}

// Field names by note type id.
using NoteTypes = std::map<std::int64_t, std::vector<std::string>>;

std::optional<NoteTypes> NoteTypesFromTables(UntrustedDatabase& database) {
    UntrustedDatabase::Query fields =
        database.Run("SELECT ntid, name FROM fields ORDER BY ntid, ord");
    NoteTypes types;
    while (fields.Next()) {
        types[fields.Integer(0)].push_back(fields.Text(1));
    }
    return database.Problem() ? std::nullopt : std::optional(types);
}

std::optional<NoteTypes> NoteTypesFromJson(UntrustedDatabase& database) {
    UntrustedDatabase::Query models = database.Run("SELECT models FROM col");
    if (!models.Next()) {
        return std::nullopt;
    }
    const nlohmann::json json = nlohmann::json::parse(models.Text(0), nullptr, false);
    if (!json.is_object()) {
        return std::nullopt;
    }
    NoteTypes types;
    for (const auto& [key, model] : json.items()) {
        long long id = 0;
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

// Deck names by id, each cut into its path: "Languages::Colours" is {Languages, Colours}.
using DeckPaths = std::map<std::int64_t, std::vector<std::string>>;

std::vector<std::string> SplitPath(std::string_view name, std::string_view between) {
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = name.find(between, at);
        parts.push_back(CleanImportedWord(name.substr(at, end - at)));
        if (end == std::string_view::npos) {
            return parts;
        }
        at = end + between.size();
    }
}

DeckPaths DecksOf(UntrustedDatabase& database) {
    DeckPaths decks;
    if (database.HasTable("decks", {"id", "name"})) {
        UntrustedDatabase::Query names = database.Run("SELECT id, name FROM decks");
        while (names.Next()) {
            decks[names.Integer(0)] = SplitPath(names.Text(1), "\x1f");
        }
        return decks;
    }
    if (!database.HasTable("col", {"decks"})) {
        return decks;
    }
    UntrustedDatabase::Query json = database.Run("SELECT decks FROM col");
    const nlohmann::json parsed =
        json.Next() ? nlohmann::json::parse(json.Text(0), nullptr, false) : nlohmann::json();
    if (parsed.is_object()) {
        for (const auto& [key, deck] : parsed.items()) {
            long long id = 0;
            if (deck.is_object() && deck.value("name", nlohmann::json()).is_string() &&
                std::sscanf(key.c_str(), "%lld", &id) == 1) {
                decks[id] = SplitPath(deck["name"].get<std::string>(), "::");
            }
        }
    }
    return decks;
}

// The name of the deck that holds the cards, or of the deck above all the decks that do; the
// deck with the most cards where they share none. Anki's Default deck names nothing.
std::string DeckName(UntrustedDatabase& database) {
    constexpr std::int64_t defaultDeck = 1;
    if (!database.HasTable("cards", {"did"})) {
        return {};
    }
    const DeckPaths decks = DecksOf(database);
    UntrustedDatabase::Query used =
        database.Run("SELECT did FROM cards GROUP BY did ORDER BY count(*) DESC, did");
    std::optional<std::vector<std::string>> shared;
    std::vector<std::string> most;
    while (used.Next()) {
        const auto deck = decks.find(used.Integer(0));
        if (deck == decks.end() || deck->first == defaultDeck) {
            return {};
        }
        const std::vector<std::string>& path = deck->second;
        if (!shared) {
            shared = path;
            most = path;
        }
        const auto differ = std::mismatch(shared->begin(), shared->end(), path.begin(), path.end());
        shared->erase(differ.first, shared->end());
    }
    const std::vector<std::string>& path = shared && !shared->empty() ? *shared : most;
    std::string name;
    for (const std::string& part : path) {
        name += (name.empty() ? "" : "::") + part;
    }
    return name;
}

// A note is a cloze when a field holds "{{c", digits, "::". A scan, not a regex: a regex
// matcher recurses per character and overflows the stack on a long run of digits.
bool IsCloze(std::string_view flds) {
    for (std::size_t at = flds.find("{{c"); at != std::string_view::npos;
         at = flds.find("{{c", at)) {
        at += 3;
        const std::size_t digits = at;
        while (at < flds.size() && flds[at] >= '0' && flds[at] <= '9') {
            ++at;
        }
        if (at > digits && flds.substr(at, 2) == "::") {
            return true;
        }
    }
    return false;
}

class AnkiCollectionSource : public TableSource {
public:
    AnkiCollectionSource(std::string collection, PackageMedia media, const CancelFlag* cancel)
        : collection_(std::move(collection)), media_(std::move(media)),
          database_(collection_, MaxPackageNotes, cancel) {}

    // Why the collection cannot be read.
    std::optional<Message> Open() {
        if (!database_.IsOpen()) {
            return GT_TEXT("Message", "Its collection cannot be opened.");
        }
        if (!database_.HasTable("col", {"ver"})) {
            return Refusal(
                GT_TEXT("Message", "Its collection is not an Anki collection, or it is damaged."));
        }
        UntrustedDatabase::Query version = database_.Run("SELECT ver FROM col");
        if (!version.Next()) {
            return Refusal(
                GT_TEXT("Message", "Its collection is not an Anki collection, or it is damaged."));
        }
        const std::int64_t schema = version.Integer(0);
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
        if (!database_.HasTable("notes", {"id", "mid", "flds"})) {
            return Refusal(NotATable("notes"));
        }
        const bool typeTables = database_.HasTable("notetypes", {});
        if (typeTables && !database_.HasTable("fields", {"ntid", "ord", "name"})) {
            return Refusal(NotATable("fields"));
        }
        if (!typeTables && !database_.HasTable("col", {"models"})) {
            return Refusal(NotATable("col"));
        }
        std::optional<NoteTypes> types =
            typeTables ? NoteTypesFromTables(database_) : NoteTypesFromJson(database_);
        if (!types) {
            return Refusal(GT_TEXT("Message", "Its note types cannot be read."));
        }
        types_ = std::move(*types);
        if (std::optional<Message> unreadable = UsedTypes()) {
            return unreadable;
        }
        deck_ = DeckName(database_);
        return database_.Problem();
    }

    TableHead Head() const override {
        TableHead head;
        for (const std::int64_t type : used_) {
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
        head.description = deck_;
        head.columns.note = ProposedColumns(head.columnNames).note;
        head.certain = used_.size() == 1 && head.columnNames.size() == 2;
        return head;
    }

    std::optional<Message> ReadRows(std::size_t keptFields, const RowVisitor& visit) override {
        UntrustedDatabase::Query notes = database_.Run("SELECT flds FROM notes ORDER BY id");
        cloze_ = 0;
        TableRow row;
        while (notes.Next()) {
            ++row.line;
            const std::string flds = notes.Text(0);
            if (IsCloze(flds)) {
                ++cloze_;
                continue;
            }
            row.fields.clear();
            row.fieldCount = 0;
            for (std::size_t at = 0; at <= flds.size();) {
                const std::size_t end = std::min(flds.find('\x1f', at), flds.size());
                if (row.fieldCount++ < keptFields) {
                    row.fields.push_back(AnkiFieldSide(
                        std::string_view(flds).substr(at, end - at), true,
                        [this](std::string_view name) { return media_.Reference(name); }));
                }
                at = end + 1;
            }
            if (!visit(row)) {
                return std::nullopt;
            }
        }
        return database_.Problem();
    }

    std::vector<Message> Notes() const override {
        std::vector<Message> notes;
        if (cloze_ > 0) {
            notes.push_back(PluralMessage(
                GT_PLURAL_TEXT("Message",
                               "%n cloze notes were left out, since they are not word pairs."),
                "%n cloze note was left out, since they are not word pairs.", cloze_));
        }
        notes.insert(notes.end(), media_.notes.begin(), media_.notes.end());
        return notes;
    }

private:
    // The limit that stopped the last query, or the cancel, before `otherwise`.
    Message Refusal(Message otherwise) const {
        return database_.StoppedByLimit() ? *database_.Problem() : std::move(otherwise);
    }

    // The note types that notes use, in id order, or why they cannot be read. A collection
    // whose one note asks for a newer Anki is the stub of a newer package.
    std::optional<Message> UsedTypes() {
        UntrustedDatabase::Query statement =
            database_.Run("SELECT mid, count(*), max(flds) FROM notes GROUP BY mid ORDER BY mid");
        std::size_t notes = 0;
        std::string lastText;
        while (statement.Next()) {
            const std::int64_t type = statement.Integer(0);
            notes += static_cast<std::size_t>(std::max<std::int64_t>(statement.Integer(1), 0));
            lastText = statement.Text(2);
            if (!types_.contains(type)) {
                return GT_TEXT("Message", "Its notes name a note type that it does not hold.");
            }
            used_.push_back(type);
        }
        if (database_.Problem()) {
            return database_.Problem();
        }
        if (notes > MaxPackageNotes) {
            return Message(GT_TEXT("Message", "It holds more than %1 notes, more than this "
                                              "program reads; it is refused."),
                           {std::to_string(MaxPackageNotes)});
        }
        if (notes == 1 && lastText.find("update to the latest Anki") != std::string::npos) {
            return GT_TEXT("Message", "It holds only a note asking for a newer Anki; its real "
                                      "collection is missing.");
        }
        return std::nullopt;
    }

    std::string collection_;
    PackageMedia media_;
    UntrustedDatabase database_;
    NoteTypes types_;
    std::vector<std::int64_t> used_;
    std::string deck_;
    int cloze_ = 0;
};

} // namespace

OpenedTable AnkiCollectionTable(std::string collection, PackageMedia media,
                                const CancelFlag* cancel) {
    constexpr std::string_view sqliteMark{"SQLite format 3\0", 16};
    if (!std::string_view(collection).starts_with(sqliteMark)) {
        return {nullptr, GT_TEXT("Message", "Its collection is not an SQLite database.")};
    }
    // A collection left in WAL mode reads from memory only as a rollback-journal one.
    if (collection.size() > 19 && collection[18] == 2 && collection[19] == 2) {
        collection[18] = collection[19] = 1;
    }
    auto source =
        std::make_unique<AnkiCollectionSource>(std::move(collection), std::move(media), cancel);
    if (std::optional<Message> unreadable = source->Open()) {
        return {nullptr, std::move(*unreadable)};
    }
    return {std::move(source), {}};
}
