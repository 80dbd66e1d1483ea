#pragma once

#include "learning/memory_key.h"
#include "learning/same_day_rule.h"
#include "learning/sqlite_handles.h"

#include <optional>

// Reads pairs' memories inside the caller's transaction: each pair's schedule and its counted
// reviews on one day.
class PairMemoryReader {
public:
    explicit PairMemoryReader(sqlite3* db);

    // Nullopt when the database could not be read; a schedule that cannot be read starts
    // afresh.
    std::optional<PairMemory> Read(const MemoryKey& key, Day day);

private:
    Statement schedule_;
    Statement firstOfDay_;
};
