#include "learning/stored_review_log.h"

#include "learning/review_replay.h"
#include "learning/schedule_columns.h"
#include "learning/sqlite_handles.h"

#include <unordered_map>

std::string PairName(const MemoryKey& key) {
    // The length first, so that no split of the words gives another pair's name.
    return std::to_string(key.textA.size()) + ":" + key.textA + key.textB;
}

bool ReadStoredReviews(sqlite3* db, std::vector<StoredReview>& rows) {
    return EachRow(
        db,
        "SELECT id, key_a, key_b, reviewed_on, grade, recall, counted FROM review_log "
        "ORDER BY reviewed_on, id",
        [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* row) {
            const std::optional<Day> day = ParseDay(Text(row, 3));
            const std::optional<ReviewSource> source = ReviewSourceOf(sqlite3_column_int(row, 5));
            if (!day || !source) {
                return;
            }
            MemoryKey key{Text(row, 1), Text(row, 2)};
            std::string name = PairName(key);
            rows.push_back({sqlite3_column_int64(row, 0),
                            std::move(key),
                            {std::move(name), *day, static_cast<Grade>(sqlite3_column_int(row, 4)),
                             *source, sqlite3_column_int(row, 6) != 0}});
        });
}

bool RewriteSchedules(sqlite3* db, const std::vector<StoredReview>& rows,
                      const ReviewSettings& settings) {
    std::vector<ReviewRecord> log;
    log.reserve(rows.size());
    std::unordered_map<std::string_view, const MemoryKey*> keys;
    for (const StoredReview& row : rows) {
        log.push_back(row.record);
        keys.emplace(row.record.pair, &row.key);
    }
    const ReplayedLog replayed = ReplayReviews(log, settings);
    const Statement update = Prepare(
        db, "UPDATE review_log SET stability_before = ?1, difficulty_before = ?2, "
            "last_review_before = ?3, due_before = ?4, reps_before = ?5, lapses_before = ?6, "
            "counted = ?7 WHERE id = ?8");
    const Statement keep = Prepare(
        db, "UPDATE memory_states SET stability = ?1, difficulty = ?2, last_review = ?3, "
            "due = ?4, reps = ?5, lapses = ?6, interval_days = ?7 WHERE key_a = ?8 AND key_b = ?9");
    if (!update || !keep) {
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        sqlite3_reset(update.get());
        BindSchedule(update.get(), 1, replayed.before[i]);
        sqlite3_bind_int(update.get(), 7, replayed.counted[i] ? 1 : 0);
        sqlite3_bind_int64(update.get(), 8, rows[i].id);
        if (sqlite3_step(update.get()) != SQLITE_DONE) {
            return false;
        }
    }
    for (const auto& [name, schedule] : replayed.schedules) {
        const MemoryKey& key = *keys.at(name);
        sqlite3_reset(keep.get());
        BindSchedule(keep.get(), 1, schedule);
        sqlite3_bind_int(keep.get(), 7,
                         static_cast<int>((schedule.due - schedule.lastReview).count()));
        Bind(keep.get(), 8, key.textA);
        Bind(keep.get(), 9, key.textB);
        if (sqlite3_step(keep.get()) != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}
