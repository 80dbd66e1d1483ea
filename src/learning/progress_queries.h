#pragma once

#include "learning/progress_store.h"

#include <string>
#include <vector>

struct sqlite3;

// The reports the progress database gives, each read from an open connection of the current
// schema. False when a statement failed; sqlite3_errmsg tells why.
bool ReadGames(sqlite3* db, const std::string& fingerprint, std::vector<GameResult>& games);
bool ReadHardestPairs(sqlite3* db, const std::string& fingerprint, int limit,
                      std::vector<PairTotal>& pairs);
bool ReadScheduledPairs(sqlite3* db, Day dueBy, std::int64_t limit,
                        std::vector<ScheduledPair>& pairs);
bool ReadDueOutlook(sqlite3* db, Day today, DueOutlook& due);
bool ReadSummary(sqlite3* db, Day today, ReviewSummary& summary);
bool ReadPractice(sqlite3* db, Day today, PracticeRecord& record);
