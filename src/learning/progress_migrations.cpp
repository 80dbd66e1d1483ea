#include "learning/progress_migrations.h"

#include "learning/memory_key.h"
#include "learning/sqlite_handles.h"
#include "learning/stored_review_log.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

bool CreateGamesAndPairTotals(sqlite3* db) {
    return Execute(db, R"(CREATE TABLE games (
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
           PRIMARY KEY (fingerprint, text_a, text_b));)");
}

// Days are local calendar days written YYYY-MM-DD. The log keeps each review with the state
// before it, so that the schedule can be replayed with other weights.
bool AddReviews(sqlite3* db) {
    return Execute(db, R"(ALTER TABLE games ADD COLUMN kind TEXT NOT NULL DEFAULT 'list';
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
           lapses_before INTEGER);)");
}

// A typed answer outranks the board's grade of the same pair on the same day; the log keeps
// every review and marks the ones the schedule no longer counts.
bool AddRecall(sqlite3* db) {
    return Execute(db, R"(ALTER TABLE review_log ADD COLUMN recall INTEGER NOT NULL DEFAULT 0;
       ALTER TABLE review_log ADD COLUMN counted INTEGER NOT NULL DEFAULT 1;
       CREATE INDEX review_log_by_day ON review_log (fingerprint, text_a, text_b, reviewed_on);)");
}

// memory_text(word): MemoryText for SQL, while the rows are given their keys.
void MemoryTextFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const std::string folded = MemoryText(
        bytes ? std::string_view(bytes, static_cast<std::size_t>(sqlite3_value_bytes(arguments[0])))
              : std::string_view());
    sqlite3_result_text(context, folded.data(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
}

// The same words seen in several lists, or after an edit of one, had a schedule each. They
// become one pair: the row with the longest history names it and stands for it until the
// merged log is replayed.
constexpr const char* KeyEachPair = R"(
    ALTER TABLE review_log ADD COLUMN key_a TEXT NOT NULL DEFAULT '';
    ALTER TABLE review_log ADD COLUMN key_b TEXT NOT NULL DEFAULT '';
    UPDATE review_log SET key_a = memory_text(text_a), key_b = memory_text(text_b);
    DROP INDEX review_log_by_day;
    CREATE INDEX review_log_by_day ON review_log (key_a, key_b, reviewed_on);
    ALTER TABLE pair_totals ADD COLUMN key_a TEXT NOT NULL DEFAULT '';
    ALTER TABLE pair_totals ADD COLUMN key_b TEXT NOT NULL DEFAULT '';
    UPDATE pair_totals SET key_a = memory_text(text_a), key_b = memory_text(text_b);
    CREATE TEMP TABLE keyed_states AS
        SELECT memory_text(text_a) AS key_a, memory_text(text_b) AS key_b, * FROM memory_states;
    CREATE TABLE pair_memory (
        key_a TEXT NOT NULL,
        key_b TEXT NOT NULL,
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
        PRIMARY KEY (key_a, key_b));
    INSERT INTO pair_memory SELECT key_a, key_b, fingerprint, text_a, text_b, stability,
        difficulty, last_review, due, reps, lapses, interval_days
        FROM (SELECT *, ROW_NUMBER() OVER (PARTITION BY key_a, key_b
                                           ORDER BY reps DESC, last_review DESC) AS place
              FROM keyed_states)
        WHERE place = 1;
    DROP TABLE memory_states;
    ALTER TABLE pair_memory RENAME TO memory_states;
    CREATE INDEX memory_states_by_due ON memory_states (due, text_a, text_b, fingerprint);)";

bool MergeEqualPairs(sqlite3* db) {
    if (sqlite3_create_function_v2(db, "memory_text", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, MemoryTextFunction, nullptr, nullptr,
                                   nullptr) != SQLITE_OK ||
        !Execute(db, KeyEachPair)) {
        return false;
    }
    std::set<MemoryKey> merged;
    std::vector<StoredReview> log;
    const bool read =
        EachRow(
            db, "SELECT key_a, key_b FROM keyed_states GROUP BY key_a, key_b HAVING COUNT(*) > 1",
            [](sqlite3_stmt*) {},
            [&](sqlite3_stmt* row) {
                merged.insert({Text(row, 0), Text(row, 1)});
            }) &&
        ReadStoredReviews(db, log);
    if (!read) {
        return false;
    }
    // Only the merged pairs' logs are replayed; the files were made with the default weights.
    std::erase_if(log, [&](const StoredReview& row) { return !merged.contains(row.key); });
    return RewriteSchedules(db, log, {}) && Execute(db, "DROP TABLE keyed_states");
}

// Settings that the window and the command line share, and the memory model's fits: each
// fit's weights are a JSON array of 21 numbers.
bool AddSettingsAndFits(sqlite3* db) {
    return Execute(db, R"(CREATE TABLE settings (
           key TEXT PRIMARY KEY,
           value TEXT NOT NULL);
       CREATE TABLE memory_fits (
           id INTEGER PRIMARY KEY,
           fitted_at INTEGER NOT NULL,
           weights TEXT NOT NULL,
           reviews INTEGER NOT NULL,
           items INTEGER NOT NULL,
           log_loss_default REAL,
           rmse_bins_default REAL,
           log_loss_fitted REAL,
           rmse_bins_fitted REAL,
           adopted INTEGER NOT NULL);)");
}

// What the home page reads: pairs practised day by day, kept as reviews are logged, so that it
// reads a row a day rather than the whole log (a pair logged twice on one day counts once; the
// log is only ever added to), and each list version's words in order, read from the index
// alone.
bool AddPracticeDaysAndListWords(sqlite3* db) {
    return Execute(db, R"(
       CREATE INDEX pair_totals_by_words ON pair_totals (fingerprint, key_a, key_b);
       CREATE TABLE practice_days (
           day TEXT PRIMARY KEY,
           pairs INTEGER NOT NULL) WITHOUT ROWID;
       INSERT INTO practice_days SELECT reviewed_on, COUNT(*)
           FROM (SELECT DISTINCT key_a, key_b, reviewed_on FROM review_log) GROUP BY reviewed_on;
       CREATE TRIGGER review_log_counts_its_day AFTER INSERT ON review_log
       WHEN NOT EXISTS (SELECT 1 FROM review_log WHERE key_a = NEW.key_a AND key_b = NEW.key_b
                        AND reviewed_on = NEW.reviewed_on AND id <> NEW.id)
       BEGIN
           INSERT INTO practice_days (day, pairs) VALUES (NEW.reviewed_on, 1)
               ON CONFLICT (day) DO UPDATE SET pairs = pairs + 1;
       END;)");
}

// Each entry takes the schema from its number to the next.
using Step = bool (*)(sqlite3*);
constexpr std::array<Step, ProgressSchemaVersion> Steps{
    CreateGamesAndPairTotals, AddReviews,         AddRecall,
    MergeEqualPairs,          AddSettingsAndFits, AddPracticeDaysAndListWords};

} // namespace

bool MigrateProgress(sqlite3* db, int from) {
    for (int version = from; version < ProgressSchemaVersion; ++version) {
        if (!Steps[static_cast<std::size_t>(version)](db)) {
            return false;
        }
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(ProgressSchemaVersion);
    return Execute(db, setVersion.c_str());
}
