#pragma once

#include "learning/memory_key.h"
#include "learning/review_scheduler.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

// What the progress database knows of one pair of a list.
struct PairHistory {
    // Board games of the list that dealt it, and its misses and hints there.
    std::int64_t games = 0;
    std::int64_t missed = 0;
    std::int64_t hinted = 0;
    // Typing rounds of the list that asked for it: recalled (Hard or better) or not.
    std::int64_t typedRight = 0;
    std::int64_t typedWrong = 0;
    // The pair's memory, whichever list it was reviewed in, and its last counted grade.
    std::optional<Schedule> schedule;
    std::optional<Grade> lastGrade;
};

// The history of each of `pairs`, in their order, as played in the list `fingerprint` or in a
// list of the same description (an edited copy of it), from an open connection of the current
// schema. False when a statement failed.
bool ReadPairHistories(sqlite3* db, const std::string& fingerprint, const std::string& description,
                       const std::vector<MemoryKey>& pairs, std::vector<PairHistory>& histories);
