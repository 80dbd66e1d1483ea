#pragma once

#include "learning/memory_key.h"
#include "learning/review_record.h"

#include <cstdint>
#include <vector>

struct sqlite3;

// One row of the progress database's review log.
struct StoredReview {
    std::int64_t id = 0;
    MemoryKey key;
    // Its pair named by PairName(key).
    ReviewRecord record;
};

// A pair's name in a review log read from the database: its memory key, which no two pairs
// share.
std::string PairName(const MemoryKey& key);

// The review log in time order: each pair's reviews by day, then as they were written. A row
// whose day or source cannot be read is left out. False when a statement failed.
bool ReadStoredReviews(sqlite3* db, std::vector<StoredReview>& rows);

// Replays `rows`, the whole log of each pair in it, with `settings`, inside the caller's
// transaction, and writes back what the replay gives: whether each row counts, the schedule
// it started from, and each pair's schedule.
bool RewriteSchedules(sqlite3* db, const std::vector<StoredReview>& rows,
                      const ReviewSettings& settings);
