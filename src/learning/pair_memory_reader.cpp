#include "learning/pair_memory_reader.h"

#include "learning/schedule_columns.h"

namespace {

// Binds the key and steps a statement that reads at most one row; false when it failed.
bool StepOnce(sqlite3_stmt* statement, const MemoryKey& key, bool& found) {
    Bind(statement, 1, key.textA);
    Bind(statement, 2, key.textB);
    const int step = sqlite3_step(statement);
    found = step == SQLITE_ROW;
    return step == SQLITE_ROW || step == SQLITE_DONE;
}

} // namespace

PairMemoryReader::PairMemoryReader(sqlite3* db)
    : schedule_(Prepare(db, "SELECT stability, difficulty, last_review, due, reps, lapses "
                            "FROM memory_states WHERE key_a = ?1 AND key_b = ?2")),
      firstOfDay_(Prepare(db,
                          "SELECT recall, stability_before, difficulty_before, "
                          "last_review_before, due_before, reps_before, lapses_before "
                          "FROM review_log WHERE key_a = ?1 AND key_b = ?2 AND reviewed_on = ?3 "
                          "AND counted = 1 ORDER BY id LIMIT 1")) {}

std::optional<PairMemory> PairMemoryReader::Read(const MemoryKey& key, Day day) {
    if (!schedule_ || !firstOfDay_) {
        return std::nullopt;
    }
    PairMemory memory;
    bool found = false;
    sqlite3_stmt* schedule = schedule_.get();
    sqlite3_reset(schedule);
    if (!StepOnce(schedule, key, found)) {
        return std::nullopt;
    }
    memory.schedule = found ? ScheduleAt(schedule, 0) : std::nullopt;
    sqlite3_reset(schedule);

    sqlite3_stmt* first = firstOfDay_.get();
    sqlite3_reset(first);
    Bind(first, 3, DayText(day));
    if (!StepOnce(first, key, found)) {
        return std::nullopt;
    }
    // Recognition and recall never both count on one day, so the first counted review tells
    // which.
    if (found) {
        const std::optional<ReviewSource> counted = ReviewSourceOf(sqlite3_column_int(first, 0));
        memory.day = {counted && IsRecall(*counted), ScheduleAt(first, 1)};
    }
    sqlite3_reset(first);
    return memory;
}
