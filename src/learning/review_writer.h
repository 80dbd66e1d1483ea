#pragma once

#include "game/pair_key.h"
#include "learning/pair_memory_reader.h"
#include "learning/review_record.h"

// Reviews pairs one by one inside the caller's transaction, under the same-day rule, scheduling
// them with `settings`. A pair is known by its memory key; the list it was seen in and its
// words as seen there are kept with it.
class ReviewWriter {
public:
    ReviewWriter(sqlite3* db, const ReviewSettings& settings);

    bool Add(const PairKey& pair, Day day, Grade grade, ReviewSource source);

private:
    ReviewSettings settings_;
    PairMemoryReader memories_;
    Statement uncountDay_;
    Statement upsert_;
    Statement log_;
};
