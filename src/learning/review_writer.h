#pragma once

#include "game/pair_key.h"
#include "learning/pair_memory_reader.h"
#include "learning/review_record.h"

// Reviews pairs one by one inside the caller's transaction, under the same-day rule. A pair is
// known by its memory key; the list it was seen in and its words as seen there are kept with
// it.
class ReviewWriter {
public:
    explicit ReviewWriter(sqlite3* db);

    bool Add(const PairKey& pair, Day day, Grade grade, ReviewSource source);

private:
    PairMemoryReader memories_;
    Statement uncountBoard_;
    Statement upsert_;
    Statement log_;
};
