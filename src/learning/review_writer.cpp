#include "learning/review_writer.h"

#include "learning/memory_key.h"
#include "learning/progress_store.h"
#include "learning/schedule_columns.h"

namespace {

void BindMemoryKey(sqlite3_stmt* statement, const MemoryKey& key) {
    Bind(statement, 1, key.textA);
    Bind(statement, 2, key.textB);
}

// The key, then the list the pair was seen in and its words there.
void BindSeenPair(sqlite3_stmt* statement, const MemoryKey& key, const PairKey& pair) {
    BindMemoryKey(statement, key);
    Bind(statement, 3, pair.fingerprint);
    Bind(statement, 4, pair.textA);
    Bind(statement, 5, pair.textB);
}

} // namespace

ReviewWriter::ReviewWriter(sqlite3* db, const ReviewSettings& settings)
    : settings_(settings), memories_(db),
      uncountDay_(Prepare(db, "UPDATE review_log SET counted = 0 WHERE key_a = ?1 AND "
                              "key_b = ?2 AND reviewed_on = ?3")),
      // A pair reviewed in Today's Review keeps the list it was last seen in.
      upsert_(Prepare(db, "INSERT INTO memory_states (key_a, key_b, fingerprint, text_a, text_b, "
                          "stability, difficulty, last_review, due, reps, lapses, interval_days) "
                          "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12) "
                          "ON CONFLICT (key_a, key_b) DO UPDATE SET "
                          "fingerprint = CASE WHEN ?3 = ?13 THEN fingerprint ELSE ?3 END, "
                          "text_a = ?4, text_b = ?5, stability = ?6, difficulty = ?7, "
                          "last_review = ?8, due = ?9, reps = ?10, lapses = ?11, "
                          "interval_days = ?12")),
      log_(Prepare(db, "INSERT INTO review_log (key_a, key_b, fingerprint, text_a, text_b, "
                       "reviewed_on, grade, stability_before, difficulty_before, "
                       "last_review_before, due_before, reps_before, lapses_before, recall, "
                       "counted) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                       "?14, ?15)")) {}

bool ReviewWriter::Add(const PairKey& pair, Day day, Grade grade, ReviewSource source) {
    if (!uncountDay_ || !upsert_ || !log_) {
        return false;
    }
    const MemoryKey key = MemoryKeyOf(pair.textA, pair.textB);
    const std::string dayText = DayText(day);
    const std::optional<PairMemory> memory = memories_.Read(key, day);
    if (!memory) {
        return false;
    }
    const ReviewEffect effect =
        NextReview(memory->schedule, memory->day, day, grade, source, settings_);
    if (effect.uncountsDay) {
        // Recall and recognition never both count on a day: every counted row is recognition.
        sqlite3_stmt* update = uncountDay_.get();
        sqlite3_reset(update);
        BindMemoryKey(update, key);
        Bind(update, 3, dayText);
        if (sqlite3_step(update) != SQLITE_DONE) {
            return false;
        }
    }

    sqlite3_stmt* log = log_.get();
    sqlite3_reset(log);
    BindSeenPair(log, key, pair);
    Bind(log, 6, dayText);
    sqlite3_bind_int(log, 7, static_cast<int>(grade));
    BindSchedule(log, 8, effect.before);
    sqlite3_bind_int(log, 14, static_cast<int>(source));
    sqlite3_bind_int(log, 15, effect.counted ? 1 : 0);
    if (sqlite3_step(log) != SQLITE_DONE) {
        return false;
    }
    if (!effect.counted) {
        return true;
    }

    const Schedule& after = effect.after;
    sqlite3_stmt* upsert = upsert_.get();
    sqlite3_reset(upsert);
    BindSeenPair(upsert, key, pair);
    BindSchedule(upsert, 6, after);
    sqlite3_bind_int(upsert, 12, static_cast<int>((after.due - after.lastReview).count()));
    Bind(upsert, 13, ReviewFingerprint);
    return sqlite3_step(upsert) == SQLITE_DONE;
}
