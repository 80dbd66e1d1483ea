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
    // Days are local calendar days written YYYY-MM-DD. The log keeps each review with the
    // state before it, so that the schedule can be replayed with other weights.
    R"(ALTER TABLE games ADD COLUMN kind TEXT NOT NULL DEFAULT 'list';
       CREATE TABLE lists (
           fingerprint TEXT PRIMARY KEY,
           description TEXT NOT NULL,
           list_path TEXT NOT NULL);
       INSERT INTO lists (fingerprint, description, list_path)
           SELECT fingerprint, list_path, list_path FROM games GROUP BY fingerprint;
       CREATE TABLE memory_states (
           fingerprint TEXT NOT NULL,
           text_a TEXT NOT NULL,
           text_b TEXT NOT NULL,
           stability REAL NOT NULL,
           difficulty REAL NOT NULL,
           last_review TEXT NOT NULL,
           due TEXT NOT NULL,
           reps INTEGER NOT NULL,
           lapses INTEGER NOT NULL,
           interval_days INTEGER NOT NULL,
           PRIMARY KEY (fingerprint, text_a, text_b));
       CREATE INDEX memory_states_by_due ON memory_states (due, text_a, text_b, fingerprint);
       CREATE TABLE review_log (
           id INTEGER PRIMARY KEY,
           fingerprint TEXT NOT NULL,
           text_a TEXT NOT NULL,
           text_b TEXT NOT NULL,
           reviewed_on TEXT NOT NULL,
           grade INTEGER NOT NULL,
           stability_before REAL,
           difficulty_before REAL,
           last_review_before TEXT,
           due_before TEXT,
           reps_before INTEGER,
           lapses_before INTEGER);)",
    // A typed answer outranks the board's grade of the same pair on the same day; the log keeps
    // every review and marks the ones the schedule no longer counts.
    R"(ALTER TABLE review_log ADD COLUMN recall INTEGER NOT NULL DEFAULT 0;
       ALTER TABLE review_log ADD COLUMN counted INTEGER NOT NULL DEFAULT 1;
       CREATE INDEX review_log_by_day ON review_log (fingerprint, text_a, text_b, reviewed_on);)",
};

const char* const NoPathProblem =
    GT_TEXT("Message", "there is no folder for it (neither XDG_DATA_HOME nor HOME is set)");

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
    const Statement insert =
        Prepare(db, "INSERT INTO games (list_path, fingerprint, finished_at, seconds, pairs, "
                    "correct, wrong, hints, peeks, assisted, undos, kind) "
                    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
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
    Bind(insert.get(), 12, game.kind);
    return sqlite3_step(insert.get()) == SQLITE_DONE;
}

// The schedule names each pair's list by the description it had when last played.
bool KeepListName(sqlite3* db, const GameResult& game) {
    if (game.fingerprint == ReviewFingerprint) {
        return true;
    }
    const Statement upsert =
        Prepare(db, "INSERT INTO lists (fingerprint, description, list_path) VALUES (?1, ?2, ?3) "
                    "ON CONFLICT (fingerprint) DO UPDATE SET description = ?2, list_path = ?3");
    if (!upsert) {
        return false;
    }
    Bind(upsert.get(), 1, game.fingerprint);
    Bind(upsert.get(), 2, game.listDescription);
    Bind(upsert.get(), 3, game.listPath);
    return sqlite3_step(upsert.get()) == SQLITE_DONE;
}

void BindKey(sqlite3_stmt* statement, const PairKey& key) {
    Bind(statement, 1, key.fingerprint);
    Bind(statement, 2, key.textA);
    Bind(statement, 3, key.textB);
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
        BindKey(upsert.get(), outcome.key);
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

// A schedule as a row holds it from `column` on: stability, difficulty, last review, due,
// reps, lapses. Nullopt when the dates cannot be read.
std::optional<Schedule> ScheduleAt(sqlite3_stmt* row, int column) {
    const std::optional<Day> last = ParseDay(Text(row, column + 2));
    const std::optional<Day> due = ParseDay(Text(row, column + 3));
    if (!last || !due) {
        return std::nullopt;
    }
    return Schedule{{sqlite3_column_double(row, column), sqlite3_column_double(row, column + 1)},
                    *last,
                    *due,
                    sqlite3_column_int(row, column + 4),
                    sqlite3_column_int(row, column + 5)};
}

// Where a review's grade comes from: recognising the pair on a board, or typing it.
enum class Evidence { Board, Recall };

// Reviews pairs one by one inside the caller's transaction. On one day a pair's typed answers
// replace its board grades, because recall is the stronger evidence: the schedule ends as if
// the board had not graded the pair that day.
class ReviewWriter {
public:
    explicit ReviewWriter(sqlite3* db)
        : select_(Prepare(db, "SELECT stability, difficulty, last_review, due, reps, lapses "
                              "FROM memory_states WHERE fingerprint = ?1 AND text_a = ?2 "
                              "AND text_b = ?3")),
          firstOfDay_(Prepare(db, "SELECT stability_before, difficulty_before, "
                                  "last_review_before, due_before, reps_before, lapses_before, "
                                  "recall FROM review_log WHERE fingerprint = ?1 AND text_a = ?2 "
                                  "AND text_b = ?3 AND reviewed_on = ?4 AND counted = 1 "
                                  "ORDER BY id LIMIT 1")),
          uncountBoard_(Prepare(db, "UPDATE review_log SET counted = 0 WHERE fingerprint = ?1 "
                                    "AND text_a = ?2 AND text_b = ?3 AND reviewed_on = ?4 "
                                    "AND recall = 0")),
          upsert_(Prepare(db, "INSERT INTO memory_states (fingerprint, text_a, text_b, stability, "
                              "difficulty, last_review, due, reps, lapses, interval_days) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10) "
                              "ON CONFLICT (fingerprint, text_a, text_b) DO UPDATE SET "
                              "stability = ?4, difficulty = ?5, last_review = ?6, due = ?7, "
                              "reps = ?8, lapses = ?9, interval_days = ?10")),
          log_(Prepare(db, "INSERT INTO review_log (fingerprint, text_a, text_b, reviewed_on, "
                           "grade, stability_before, difficulty_before, last_review_before, "
                           "due_before, reps_before, lapses_before, recall, counted) VALUES "
                           "(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)")) {}

    bool Add(const PairKey& key, Day day, Grade grade, Evidence evidence) {
        if (!select_ || !firstOfDay_ || !uncountBoard_ || !upsert_ || !log_) {
            return false;
        }
        std::optional<Schedule> before;
        if (!Current(key, before)) {
            return false;
        }
        // Board and recall never both count on one day, so the day's first counted review
        // tells which kind the day has, and holds the state from before that day.
        sqlite3_stmt* first = firstOfDay_.get();
        sqlite3_reset(first);
        BindKey(first, key);
        Bind(first, 4, DayText(day));
        const int found = sqlite3_step(first);
        if (found != SQLITE_ROW && found != SQLITE_DONE) {
            return false;
        }
        const bool dayIsRecall = found == SQLITE_ROW && sqlite3_column_int(first, 6) != 0;
        const bool dayIsBoard = found == SQLITE_ROW && !dayIsRecall;
        if (dayIsBoard && evidence == Evidence::Recall) {
            // A state the log cannot give back starts afresh, as an unreadable one does.
            before =
                sqlite3_column_type(first, 0) == SQLITE_NULL ? std::nullopt : ScheduleAt(first, 0);
        }
        sqlite3_reset(first);
        if (dayIsRecall && evidence == Evidence::Board) {
            return Log(key, day, grade, before, evidence, false);
        }
        if (dayIsBoard && evidence == Evidence::Recall && !UncountBoard(key, day)) {
            return false;
        }
        return Log(key, day, grade, before, evidence, true) &&
               Keep(key, Review(before, day, grade));
    }

private:
    bool Current(const PairKey& key, std::optional<Schedule>& schedule) {
        sqlite3_reset(select_.get());
        BindKey(select_.get(), key);
        const int found = sqlite3_step(select_.get());
        if (found == SQLITE_ROW) {
            schedule = ScheduleAt(select_.get(), 0);
        }
        return found == SQLITE_ROW || found == SQLITE_DONE;
    }

    bool UncountBoard(const PairKey& key, Day day) {
        sqlite3_stmt* update = uncountBoard_.get();
        sqlite3_reset(update);
        BindKey(update, key);
        Bind(update, 4, DayText(day));
        return sqlite3_step(update) == SQLITE_DONE;
    }

    bool Log(const PairKey& key, Day day, Grade grade, const std::optional<Schedule>& before,
             Evidence evidence, bool counted) {
        sqlite3_stmt* log = log_.get();
        sqlite3_reset(log);
        sqlite3_clear_bindings(log);
        BindKey(log, key);
        Bind(log, 4, DayText(day));
        sqlite3_bind_int(log, 5, static_cast<int>(grade));
        if (before) {
            sqlite3_bind_double(log, 6, before->memory.stability);
            sqlite3_bind_double(log, 7, before->memory.difficulty);
            Bind(log, 8, DayText(before->lastReview));
            Bind(log, 9, DayText(before->due));
            sqlite3_bind_int(log, 10, before->reps);
            sqlite3_bind_int(log, 11, before->lapses);
        }
        sqlite3_bind_int(log, 12, evidence == Evidence::Recall ? 1 : 0);
        sqlite3_bind_int(log, 13, counted ? 1 : 0);
        return sqlite3_step(log) == SQLITE_DONE;
    }

    bool Keep(const PairKey& key, const Schedule& after) {
        sqlite3_stmt* upsert = upsert_.get();
        sqlite3_reset(upsert);
        BindKey(upsert, key);
        sqlite3_bind_double(upsert, 4, after.memory.stability);
        sqlite3_bind_double(upsert, 5, after.memory.difficulty);
        Bind(upsert, 6, DayText(after.lastReview));
        Bind(upsert, 7, DayText(after.due));
        sqlite3_bind_int(upsert, 8, after.reps);
        sqlite3_bind_int(upsert, 9, after.lapses);
        sqlite3_bind_int(upsert, 10, static_cast<int>((after.due - after.lastReview).count()));
        return sqlite3_step(upsert) == SQLITE_DONE;
    }

    Statement select_;
    Statement firstOfDay_;
    Statement uncountBoard_;
    Statement upsert_;
    Statement log_;
};

bool AddReviews(sqlite3* db, const GameResult& game) {
    ReviewWriter writer(db);
    const Day day = LocalDay(static_cast<std::time_t>(game.finishedAt));
    const Evidence evidence = game.kind == GameKind::Typing ? Evidence::Recall : Evidence::Board;
    for (const PairOutcome& outcome : game.outcomes) {
        if (outcome.grade && !writer.Add(outcome.key, day, *outcome.grade, evidence)) {
            return false;
        }
    }
    return true;
}

// Runs `select` with its parameters bound by `bind`, handing each row to `take`. False when
// the statement failed.
template <typename BindParameters, typename TakeRow>
bool EachRow(sqlite3* db, const char* select, BindParameters bind, TakeRow take) {
    const Statement statement = Prepare(db, select);
    if (!statement) {
        return false;
    }
    bind(statement.get());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
        take(statement.get());
    }
    return step == SQLITE_DONE;
}

} // namespace

bool SqliteProgressStore::Fail(sqlite3* db, Message what) {
    // SQLite's own reason has no translation; it follows the translated one.
    problem_ = db ? NestedMessage(GT_TEXT("Message", "%1: %2"), {},
                                  {std::move(what), {"%1", {sqlite3_errmsg(db)}}})
                  : std::move(what);
    return false;
}

sqlite3* SqliteProgressStore::OpenForWriting() {
    if (path_.empty()) {
        Fail(nullptr, NoPathProblem);
        return nullptr;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) {
        Fail(db.get(), {GT_TEXT("Message", "cannot open %1"), {path_}});
        return nullptr;
    }
    if (sqlite3_db_readonly(db.get(), "main") == 1) {
        Fail(nullptr, {GT_TEXT("Message", "%1 is read-only"), {path_}});
        return nullptr;
    }
    sqlite3_busy_timeout(db.get(), static_cast<int>(lockWait_.count()));
    // The write lock first: no other program changes the schema while we look at it.
    if (!Execute(db.get(), "BEGIN IMMEDIATE")) {
        Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
        return nullptr;
    }
    const std::optional<int> version = UserVersion(db.get());
    if (!version) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return nullptr;
    }
    if (*version > SchemaVersion) {
        Fail(nullptr, {GT_TEXT("Message", "%1 comes from a newer Glossatiles (schema version %2)"),
                       {path_, std::to_string(*version)}});
        return nullptr;
    }
    if (!Migrate(db.get(), *version)) {
        Fail(db.get(), {GT_TEXT("Message", "cannot update %1"), {path_}});
        return nullptr;
    }
    return db.release();
}

sqlite3* SqliteProgressStore::OpenForReading(bool& missing) {
    missing = false;
    if (path_.empty()) {
        Fail(nullptr, NoPathProblem);
        return nullptr;
    }
    if (std::error_code error; !std::filesystem::exists(path_, error)) {
        missing = true;
        return nullptr;
    }
    // A file an older program wrote is brought up to date once, then read.
    for (bool upgraded = false;; upgraded = true) {
        sqlite3* raw = nullptr;
        const int opened = sqlite3_open_v2(path_.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
        Database db(raw);
        if (opened != SQLITE_OK) {
            Fail(db.get(), {GT_TEXT("Message", "cannot open %1"), {path_}});
            return nullptr;
        }
        sqlite3_busy_timeout(db.get(), static_cast<int>(lockWait_.count()));
        const std::optional<int> version = UserVersion(db.get());
        if (!version) {
            Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
            return nullptr;
        }
        if (*version == SchemaVersion) {
            return db.release();
        }
        if (*version > SchemaVersion || upgraded) {
            Fail(nullptr,
                 {GT_TEXT("Message", "%1 has schema version %2, this program reads version %3"),
                  {path_, std::to_string(*version), std::to_string(SchemaVersion)}});
            return nullptr;
        }
        db.reset();
        const Database writer(OpenForWriting());
        if (!writer || !Execute(writer.get(), "COMMIT")) {
            return nullptr;
        }
    }
}

bool SqliteProgressStore::Record(const GameResult& game) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    if (!InsertGame(db.get(), game) || !KeepListName(db.get(), game) ||
        !AddPairTotals(db.get(), game) || !AddReviews(db.get(), game) ||
        !Execute(db.get(), "COMMIT")) {
        // Closing without COMMIT rolls back: no half-written game.
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

bool SqliteProgressStore::RecordReview(const PairKey& pair, Day day, Grade grade) {
    const Database db(OpenForWriting());
    if (!db) {
        return false;
    }
    if (!ReviewWriter(db.get()).Add(pair, day, grade, Evidence::Board) ||
        !Execute(db.get(), "COMMIT")) {
        return Fail(db.get(), {GT_TEXT("Message", "cannot write %1"), {path_}});
    }
    return true;
}

std::optional<std::vector<GameResult>> SqliteProgressStore::Games(const std::string& fingerprint) {
    bool missing = false;
    const Database db(OpenForReading(missing));
    if (!db) {
        // Nothing kept yet is not a fault.
        return missing ? std::optional(std::vector<GameResult>()) : std::nullopt;
    }
    std::vector<GameResult> games;
    const bool read = EachRow(
        db.get(),
        "SELECT list_path, finished_at, seconds, pairs, correct, wrong, hints, peeks, "
        "assisted, undos, kind FROM games WHERE fingerprint = ? ORDER BY finished_at, id",
        [&](sqlite3_stmt* select) { Bind(select, 1, fingerprint); },
        [&](sqlite3_stmt* row) {
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
                             {},
                             Text(row, 10),
                             {}});
        });
    if (!read) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return std::nullopt;
    }
    return games;
}

std::optional<std::vector<PairTotal>>
SqliteProgressStore::HardestPairs(const std::string& fingerprint, int limit) {
    bool missing = false;
    const Database db(OpenForReading(missing));
    if (!db) {
        return missing ? std::optional(std::vector<PairTotal>()) : std::nullopt;
    }
    std::vector<PairTotal> pairs;
    const bool read = EachRow(
        db.get(),
        "SELECT text_a, text_b, seen, missed, hinted, peeked, COALESCE(last_missed, 0) "
        "FROM pair_totals WHERE fingerprint = ? AND missed > 0 "
        "ORDER BY missed DESC, last_missed DESC, text_a LIMIT ?",
        [&](sqlite3_stmt* select) {
            Bind(select, 1, fingerprint);
            sqlite3_bind_int(select, 2, limit);
        },
        [&](sqlite3_stmt* row) {
            pairs.push_back({Text(row, 0), Text(row, 1), sqlite3_column_int64(row, 2),
                             sqlite3_column_int64(row, 3), sqlite3_column_int64(row, 4),
                             sqlite3_column_int64(row, 5), sqlite3_column_int64(row, 6)});
        });
    if (!read) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return std::nullopt;
    }
    return pairs;
}

std::optional<std::vector<ScheduledPair>> SqliteProgressStore::ScheduledPairs(Day dueBy,
                                                                              std::int64_t limit) {
    bool missing = false;
    const Database db(OpenForReading(missing));
    if (!db) {
        return missing ? std::optional(std::vector<ScheduledPair>()) : std::nullopt;
    }
    std::vector<ScheduledPair> pairs;
    const bool read = EachRow(
        db.get(),
        "SELECT m.stability, m.difficulty, m.last_review, m.due, m.reps, m.lapses, "
        "m.fingerprint, m.text_a, m.text_b, COALESCE(l.description, '') "
        "FROM memory_states m LEFT JOIN lists l ON l.fingerprint = m.fingerprint "
        "WHERE m.due <= ?1 ORDER BY m.due, m.text_a, m.text_b, m.fingerprint LIMIT ?2",
        [&](sqlite3_stmt* select) {
            Bind(select, 1, DayText(dueBy));
            sqlite3_bind_int64(select, 2, limit);
        },
        [&](sqlite3_stmt* row) {
            // A row whose dates cannot be read is left out rather than shown wrong.
            if (const std::optional<Schedule> schedule = ScheduleAt(row, 0)) {
                pairs.push_back(
                    {{Text(row, 6), Text(row, 7), Text(row, 8)}, Text(row, 9), *schedule});
            }
        });
    if (!read) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return std::nullopt;
    }
    return pairs;
}

std::optional<ReviewSummary> SqliteProgressStore::Summary(Day today) {
    bool missing = false;
    const Database db(OpenForReading(missing));
    if (!db) {
        return missing ? std::optional(ReviewSummary()) : std::nullopt;
    }
    ReviewSummary summary;
    const std::string todayText = DayText(today);
    const auto bindToday = [&todayText](sqlite3_stmt* select) { Bind(select, 1, todayText); };
    const Day lastForecast = today + std::chrono::days(ForecastDays - 1);
    const bool read =
        EachRow(
            db.get(), "SELECT due, COUNT(*) FROM memory_states WHERE due <= ?2 GROUP BY due",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                Bind(select, 2, DayText(lastForecast));
            },
            [&](sqlite3_stmt* row) {
                const std::optional<Day> due = ParseDay(Text(row, 0));
                const auto offset = due ? std::max<long>(0, (*due - today).count()) : 0;
                summary.forecast[static_cast<std::size_t>(offset)] += sqlite3_column_int64(row, 1);
            }) &&
        EachRow(db.get(),
                "SELECT due, COUNT(*) FROM memory_states WHERE due = "
                "(SELECT MIN(due) FROM memory_states WHERE due > ?1)",
                bindToday,
                [&](sqlite3_stmt* row) {
                    if (const std::optional<Day> due = ParseDay(Text(row, 0))) {
                        summary.next = DueDay{*due, sqlite3_column_int64(row, 1)};
                    }
                }) &&
        EachRow(
            db.get(),
            "SELECT COALESCE(SUM(due <= ?1), 0), "
            "COALESCE(SUM(due > ?1 AND interval_days < ?2), 0), "
            "COALESCE(SUM(due > ?1 AND interval_days >= ?2), 0) FROM memory_states",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                sqlite3_bind_int(select, 2, MatureInterval);
            },
            [&](sqlite3_stmt* row) {
                summary.stages.due = sqlite3_column_int64(row, 0);
                summary.stages.learning = sqlite3_column_int64(row, 1);
                summary.stages.mature = sqlite3_column_int64(row, 2);
            }) &&
        EachRow(
            db.get(),
            "SELECT COUNT(*) FROM pair_totals p WHERE NOT EXISTS (SELECT 1 FROM "
            "memory_states m WHERE m.fingerprint = p.fingerprint AND m.text_a = p.text_a "
            "AND m.text_b = p.text_b)",
            [](sqlite3_stmt*) {},
            [&](sqlite3_stmt* row) { summary.stages.newPairs = sqlite3_column_int64(row, 0); });
    if (!read) {
        Fail(db.get(), {GT_TEXT("Message", "cannot read %1"), {path_}});
        return std::nullopt;
    }
    summary.dueNow = summary.stages.due;
    return summary;
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
