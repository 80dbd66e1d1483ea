#include "learning/pair_history.h"

#include "learning/schedule_columns.h"
#include "learning/sqlite_handles.h"

#include <algorithm>
#include <map>

namespace {

// The list and its edited copies, known by their description.
constexpr const char* PlayedLists =
    "(SELECT ?1 UNION SELECT fingerprint FROM lists WHERE description = ?2)";

void BindList(sqlite3_stmt* statement, const std::string& fingerprint,
              const std::string& description) {
    Bind(statement, 1, fingerprint);
    Bind(statement, 2, description);
}

MemoryKey KeyAt(sqlite3_stmt* row) {
    return {Text(row, 0), Text(row, 1)};
}

// Runs a per-pair statement that reads at most one row, with the key bound to ?1 and ?2.
template <typename TakeRow>
bool EachPairOnce(sqlite3* db, const char* sql, const std::vector<MemoryKey>& pairs, TakeRow take) {
    const Statement statement = Prepare(db, sql);
    if (!statement) {
        return false;
    }
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        sqlite3_reset(statement.get());
        Bind(statement.get(), 1, pairs[i].textA);
        Bind(statement.get(), 2, pairs[i].textB);
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_ROW) {
            take(i, statement.get());
        } else if (step != SQLITE_DONE) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ReadPairHistories(sqlite3* db, const std::string& fingerprint, const std::string& description,
                       const std::vector<MemoryKey>& pairs, std::vector<PairHistory>& histories) {
    std::map<MemoryKey, PairHistory> byKey;
    const auto bindList = [&](sqlite3_stmt* select) { BindList(select, fingerprint, description); };
    const std::string totals = std::string("SELECT key_a, key_b, SUM(seen), SUM(missed), "
                                           "SUM(hinted) FROM pair_totals WHERE fingerprint IN ") +
                               PlayedLists + " GROUP BY key_a, key_b";
    const std::string typed = std::string("SELECT key_a, key_b, SUM(grade > 1), SUM(grade = 1) "
                                          "FROM review_log WHERE recall = 1 AND fingerprint IN ") +
                              PlayedLists + " GROUP BY key_a, key_b";
    const bool read = EachRow(db, totals.c_str(), bindList,
                              [&](sqlite3_stmt* row) {
                                  PairHistory& history = byKey[KeyAt(row)];
                                  // Typing rounds are kept as games too; they are taken out below.
                                  history.games = sqlite3_column_int64(row, 2);
                                  history.missed = sqlite3_column_int64(row, 3);
                                  history.hinted = sqlite3_column_int64(row, 4);
                              }) &&
                      EachRow(db, typed.c_str(), bindList, [&](sqlite3_stmt* row) {
                          PairHistory& history = byKey[KeyAt(row)];
                          history.typedRight = sqlite3_column_int64(row, 2);
                          history.typedWrong = sqlite3_column_int64(row, 3);
                      });
    if (!read) {
        return false;
    }
    histories.assign(pairs.size(), {});
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto found = byKey.find(pairs[i]);
        if (found == byKey.end()) {
            continue;
        }
        PairHistory& history = histories[i];
        history = found->second;
        // A typing round counts as a game of the list, and its wrong first answer as a miss.
        history.games =
            std::max<std::int64_t>(0, history.games - history.typedRight - history.typedWrong);
        history.missed = std::max<std::int64_t>(0, history.missed - history.typedWrong);
    }
    return EachPairOnce(db,
                        "SELECT stability, difficulty, last_review, due, reps, lapses "
                        "FROM memory_states WHERE key_a = ?1 AND key_b = ?2",
                        pairs,
                        [&](std::size_t i, sqlite3_stmt* row) {
                            histories[i].schedule = ScheduleAt(row, 0);
                        }) &&
           EachPairOnce(db,
                        "SELECT grade FROM review_log WHERE key_a = ?1 AND key_b = ?2 "
                        "AND counted = 1 ORDER BY reviewed_on DESC, id DESC LIMIT 1",
                        pairs, [&](std::size_t i, sqlite3_stmt* row) {
                            const auto grade = static_cast<Grade>(sqlite3_column_int(row, 0));
                            if (IsGrade(grade)) {
                                histories[i].lastGrade = grade;
                            }
                        });
}
