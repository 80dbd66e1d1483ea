#include "learning/sqlite_progress_store.h"

#include <sqlite3.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// Each entry takes the schema from its number to the next.
constexpr std::array<const char*, SqliteProgressStore::SchemaVersion> Migrations{
    R"(CREATE TABLE games (
           id INTEGER PRIMARY KEY,
           list_path TEXT NOT NULL,
           fingerprint TEXT NOT NULL,
           finished_at INTEGER NOT NULL,
           seconds INTEGER NOT NULL,
           pairs INTEGER NOT NULL,
           correct INTEGER NOT NULL,
           wrong INTEGER NOT NULL,
           hints INTEGER NOT NULL,
           peeks INTEGER NOT NULL,
           assisted INTEGER NOT NULL,
           undos INTEGER NOT NULL);
       CREATE INDEX games_by_list ON games (fingerprint, finished_at);
       CREATE TABLE pair_totals (
           fingerprint TEXT NOT NULL,
           text_a TEXT NOT NULL,
           text_b TEXT NOT NULL,
           seen INTEGER NOT NULL DEFAULT 0,
           missed INTEGER NOT NULL DEFAULT 0,
           hinted INTEGER NOT NULL DEFAULT 0,
           peeked INTEGER NOT NULL DEFAULT 0,
           last_missed INTEGER,
           PRIMARY KEY (fingerprint, text_a, text_b));)",
};

// A wait for another program's lock that the player does not notice.
constexpr int LockWaitMilliseconds = 250;

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

Statement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    return Statement(statement);
}

void Bind(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

std::string Text(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text,
                              static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                : std::string();
}

bool Execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::optional<int> UserVersion(sqlite3* db) {
    const Statement statement = Prepare(db, "PRAGMA user_version");
    if (!statement || sqlite3_step(statement.get()) != SQLITE_ROW) {
        return std::nullopt;
    }
    return sqlite3_column_int(statement.get(), 0);
}

bool Migrate(sqlite3* db, int from) {
    for (int version = from; version < SqliteProgressStore::SchemaVersion; ++version) {
        if (!Execute(db, Migrations[static_cast<std::size_t>(version)])) {
            return false;
        }
    }
    const std::string setVersion =
        "PRAGMA user_version = " + std::to_string(SqliteProgressStore::SchemaVersion);
    return Execute(db, setVersion.c_str());
}

bool InsertGame(sqlite3* db, const GameResult& game) {
    const Statement insert = Prepare(db, "INSERT INTO games (list_path, fingerprint, finished_at, "
                                         "seconds, pairs, correct, wrong, hints, peeks, "
                                         "assisted, undos) VALUES (?,?,?,?,?,?,?,?,?,?,?)");
    if (!insert) {
        return false;
    }
    Bind(insert.get(), 1, game.listPath);
    Bind(insert.get(), 2, game.fingerprint);
    const std::array<std::int64_t, 9> numbers{
        game.finishedAt, game.seconds,          game.pairs, game.correct, game.wrong, game.hints,
        game.peeks,      game.assisted ? 1 : 0, game.undos};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        sqlite3_bind_int64(insert.get(), static_cast<int>(i) + 3, numbers[i]);
    }
    return sqlite3_step(insert.get()) == SQLITE_DONE;
}

bool AddPairTotals(sqlite3* db, const GameResult& game) {
    const Statement upsert = Prepare(
        db, "INSERT INTO pair_totals (fingerprint, text_a, text_b, seen, missed, hinted, peeked, "
            "last_missed) VALUES (?1, ?2, ?3, 1, ?4, ?5, ?6, CASE WHEN ?4 > 0 THEN ?7 END) "
            "ON CONFLICT (fingerprint, text_a, text_b) DO UPDATE SET seen = seen + 1, "
            "missed = missed + ?4, hinted = hinted + ?5, peeked = peeked + ?6, "
            "last_missed = CASE WHEN ?4 > 0 THEN ?7 ELSE last_missed END");
    if (!upsert) {
        return false;
    }
    for (const PairOutcome& outcome : game.outcomes) {
        sqlite3_reset(upsert.get());
        Bind(upsert.get(), 1, game.fingerprint);
        Bind(upsert.get(), 2, outcome.textA);
        Bind(upsert.get(), 3, outcome.textB);
        sqlite3_bind_int64(upsert.get(), 4, outcome.missed);
        sqlite3_bind_int64(upsert.get(), 5, outcome.hinted);
        sqlite3_bind_int64(upsert.get(), 6, outcome.peeked);
        sqlite3_bind_int64(upsert.get(), 7, game.finishedAt);
        if (sqlite3_step(upsert.get()) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

} // namespace

bool SqliteProgressStore::Fail(sqlite3* db, const std::string& what) {
    problem_ = what;
    if (db) {
        problem_ += std::string(": ") + sqlite3_errmsg(db);
    }
    return false;
}

sqlite3* SqliteProgressStore::OpenForWriting() {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) {
        Fail(db.get(), "cannot open " + path_);
        return nullptr;
    }
    if (sqlite3_db_readonly(db.get(), "main") == 1) {
        Fail(nullptr, path_ + " is read-only");
        return nullptr;
    }
    sqlite3_busy_timeout(db.get(), LockWaitMilliseconds);
    // The write lock first: no other program changes the schema while we look at it.
    if (!Execute(db.get(), "BEGIN IMMEDIATE")) {
        Fail(db.get(), "cannot write " + path_);
        return nullptr;
    }
    const std::optional<int> version = UserVersion(db.get());
    if (!version) {
        Fail(db.get(), "cannot read " + path_);
        return nullptr;
    }
    if (*version > SchemaVersion) {
        Fail(nullptr, path_ + " comes from a newer Glossatiles (schema version " +
                          std::to_string(*version) + ")");
        return nullptr;
    }
    if (!Migrate(db.get(), *version)) {
        Fail(db.get(), "cannot update " + path_);
        return nullptr;
    }
    return db.release();
}

sqlite3* SqliteProgressStore::OpenForReading() {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) {
        Fail(db.get(), "cannot open " + path_);
        return nullptr;
    }
    sqlite3_busy_timeout(db.get(), LockWaitMilliseconds);
    const std::optional<int> version = UserVersion(db.get());
    if (!version) {
        Fail(db.get(), "cannot read " + path_);
        return nullptr;
    }
    if (*version != SchemaVersion) {
        Fail(nullptr, path_ + " has schema version " + std::to_string(*version) +
                          ", this program reads version " + std::to_string(SchemaVersion));
        return nullptr;
    }
    return db.release();
}

bool SqliteProgressStore::Record(const GameResult& game) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    if (!InsertGame(db.get(), game) || !AddPairTotals(db.get(), game) ||
        !Execute(db.get(), "COMMIT")) {
        // Closing without COMMIT rolls back: no half-written game.
        return Fail(db.get(), "cannot write " + path_);
    }
    return true;
}

std::optional<std::vector<GameResult>> SqliteProgressStore::Games(const std::string& fingerprint) {
    // Nothing kept yet is not a fault.
    if (std::error_code error; !std::filesystem::exists(path_, error)) {
        return std::vector<GameResult>();
    }
    const Database db(OpenForReading());
    if (!db) {
        return std::nullopt;
    }
    const Statement select = Prepare(
        db.get(), "SELECT list_path, finished_at, seconds, pairs, correct, wrong, hints, peeks, "
                  "assisted, undos FROM games WHERE fingerprint = ? ORDER BY finished_at, id");
    if (!select) {
        Fail(db.get(), "cannot read " + path_);
        return std::nullopt;
    }
    Bind(select.get(), 1, fingerprint);
    std::vector<GameResult> games;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = select.get();
        const auto number = [row](int column) {
            return static_cast<std::int32_t>(sqlite3_column_int(row, column));
        };
        games.push_back({Text(row, 0),
                         fingerprint,
                         sqlite3_column_int64(row, 1),
                         sqlite3_column_int64(row, 2),
                         number(3),
                         number(4),
                         number(5),
                         number(6),
                         number(7),
                         number(8) != 0,
                         number(9),
                         {}});
    }
    if (step != SQLITE_DONE) {
        Fail(db.get(), "cannot read " + path_);
        return std::nullopt;
    }
    return games;
}

std::optional<std::vector<PairTotal>>
SqliteProgressStore::HardestPairs(const std::string& fingerprint, int limit) {
    // Nothing kept yet is not a fault.
    if (std::error_code error; !std::filesystem::exists(path_, error)) {
        return std::vector<PairTotal>();
    }
    const Database db(OpenForReading());
    if (!db) {
        return std::nullopt;
    }
    const Statement select = Prepare(
        db.get(), "SELECT text_a, text_b, seen, missed, hinted, peeked, "
                  "COALESCE(last_missed, 0) FROM pair_totals WHERE fingerprint = ? AND missed > 0 "
                  "ORDER BY missed DESC, last_missed DESC, text_a LIMIT ?");
    if (!select) {
        Fail(db.get(), "cannot read " + path_);
        return std::nullopt;
    }
    Bind(select.get(), 1, fingerprint);
    sqlite3_bind_int(select.get(), 2, limit);
    std::vector<PairTotal> pairs;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = select.get();
        pairs.push_back({Text(row, 0), Text(row, 1), sqlite3_column_int64(row, 2),
                         sqlite3_column_int64(row, 3), sqlite3_column_int64(row, 4),
                         sqlite3_column_int64(row, 5), sqlite3_column_int64(row, 6)});
    }
    if (step != SQLITE_DONE) {
        Fail(db.get(), "cannot read " + path_);
        return std::nullopt;
    }
    return pairs;
}

std::string DefaultProgressPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    // The base-directory rules ignore a relative XDG_DATA_HOME.
    if (dataHome && dataHome[0] == '/') {
        folder = dataHome;
    } else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') {
        folder = std::filesystem::path(home) / ".local/share";
    } else {
        return {};
    }
    return (folder / "glossatiles" / "progress.sqlite").string();
}
