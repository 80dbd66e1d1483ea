#include "learning/progress_queries.h"

#include "learning/pair_word_index.h"
#include "learning/schedule_columns.h"
#include "learning/sqlite_handles.h"

#include <algorithm>
#include <map>

bool ReadGames(sqlite3* db, const std::string& fingerprint, std::vector<GameResult>& games) {
    return EachRow(
        db,
        "SELECT list_path, finished_at, seconds, pairs, correct, wrong, hints, peeks, "
        "assisted, undos, kind FROM games WHERE fingerprint = ? ORDER BY finished_at, id",
        [&](sqlite3_stmt* select) { Bind(select, 1, fingerprint); },
        [&](sqlite3_stmt* row) {
            const auto number = [row](int column) {
                return static_cast<std::int32_t>(sqlite3_column_int(row, column));
            };
            games.push_back({Text(row, 0),
                             fingerprint,
                             sqlite3_column_int64(row, 1),
                             sqlite3_column_int64(row, 2),
                             number(3),
                             number(4),
                             number(5),
                             number(6),
                             number(7),
                             number(8) != 0,
                             number(9),
                             {},
                             Text(row, 10),
                             {}});
        });
}

bool ReadHardestPairs(sqlite3* db, const std::string& fingerprint, int limit,
                      std::vector<PairTotal>& pairs) {
    return EachRow(
        db,
        "SELECT text_a, text_b, seen, missed, hinted, peeked, COALESCE(last_missed, 0) "
        "FROM pair_totals WHERE fingerprint = ? AND missed > 0 "
        "ORDER BY missed DESC, last_missed DESC, text_a LIMIT ?",
        [&](sqlite3_stmt* select) {
            Bind(select, 1, fingerprint);
            sqlite3_bind_int(select, 2, limit);
        },
        [&](sqlite3_stmt* row) {
            pairs.push_back({Text(row, 0), Text(row, 1), sqlite3_column_int64(row, 2),
                             sqlite3_column_int64(row, 3), sqlite3_column_int64(row, 4),
                             sqlite3_column_int64(row, 5), sqlite3_column_int64(row, 6)});
        });
}

bool ReadScheduledPairs(sqlite3* db, Day dueBy, std::int64_t limit,
                        std::vector<ScheduledPair>& pairs) {
    return EachRow(
        db,
        "SELECT m.stability, m.difficulty, m.last_review, m.due, m.reps, m.lapses, "
        "m.fingerprint, m.text_a, m.text_b, COALESCE(l.description, '') "
        "FROM memory_states m LEFT JOIN lists l ON l.fingerprint = m.fingerprint "
        "WHERE m.due <= ?1 ORDER BY m.due, m.text_a, m.text_b, m.fingerprint LIMIT ?2",
        [&](sqlite3_stmt* select) {
            Bind(select, 1, DayText(dueBy));
            sqlite3_bind_int64(select, 2, limit);
        },
        [&](sqlite3_stmt* row) {
            // A row whose dates cannot be read is left out rather than shown wrong.
            if (const std::optional<Schedule> schedule = ScheduleAt(row, 0)) {
                pairs.push_back(
                    {{Text(row, 6), Text(row, 7), Text(row, 8)}, Text(row, 9), *schedule});
            }
        });
}

bool ReadDueOutlook(sqlite3* db, Day today, DueOutlook& due) {
    const std::string todayText = DayText(today);
    const auto bindToday = [&todayText](sqlite3_stmt* select) { Bind(select, 1, todayText); };
    return EachRow(db, "SELECT COUNT(*) FROM memory_states WHERE due <= ?1", bindToday,
                   [&](sqlite3_stmt* row) { due.dueNow = sqlite3_column_int64(row, 0); }) &&
           EachRow(db,
                   "SELECT due, COUNT(*) FROM memory_states WHERE due = "
                   "(SELECT MIN(due) FROM memory_states WHERE due > ?1)",
                   bindToday, [&](sqlite3_stmt* row) {
                       if (const std::optional<Day> day = ParseDay(Text(row, 0))) {
                           due.next = DueDay{*day, sqlite3_column_int64(row, 1)};
                       }
                   });
}

bool ReadSummary(sqlite3* db, Day today, ReviewSummary& summary) {
    const std::string todayText = DayText(today);
    const auto bindToday = [&todayText](sqlite3_stmt* select) { Bind(select, 1, todayText); };
    const Day lastForecast = today + std::chrono::days(ForecastDays - 1);
    DueOutlook due;
    const bool read =
        EachRow(
            db, "SELECT due, COUNT(*) FROM memory_states WHERE due <= ?2 GROUP BY due",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                Bind(select, 2, DayText(lastForecast));
            },
            [&](sqlite3_stmt* row) {
                const std::optional<Day> day = ParseDay(Text(row, 0));
                const auto offset = day ? std::max<long>(0, (*day - today).count()) : 0;
                summary.forecast[static_cast<std::size_t>(offset)] += sqlite3_column_int64(row, 1);
            }) &&
        ReadDueOutlook(db, today, due) &&
        EachRow(
            db,
            "SELECT COALESCE(SUM(due > ?1 AND interval_days < ?2), 0), "
            "COALESCE(SUM(due > ?1 AND interval_days >= ?2), 0) FROM memory_states",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                sqlite3_bind_int(select, 2, MatureInterval);
            },
            [&](sqlite3_stmt* row) {
                summary.stages.learning = sqlite3_column_int64(row, 0);
                summary.stages.mature = sqlite3_column_int64(row, 1);
            }) &&
        // A pair seen in several lists is one new pair.
        EachRow(
            db,
            "SELECT COUNT(*) FROM (SELECT DISTINCT key_a, key_b FROM pair_totals) p "
            "WHERE NOT EXISTS (SELECT 1 FROM memory_states m WHERE m.key_a = p.key_a "
            "AND m.key_b = p.key_b)",
            [](sqlite3_stmt*) {},
            [&](sqlite3_stmt* row) { summary.stages.newPairs = sqlite3_column_int64(row, 0); });
    summary.dueNow = due.dueNow;
    summary.stages.due = due.dueNow;
    summary.next = due.next;
    return read;
}

namespace {

// Pairs practised day by day, as the log's trigger counts them.
bool ReadPracticeDays(sqlite3* db, std::vector<PracticeDay>& days) {
    return EachRow(
        db, "SELECT day, pairs FROM practice_days ORDER BY day", [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* row) {
            if (const std::optional<Day> day = ParseDay(Text(row, 0))) {
                days.push_back({*day, sqlite3_column_int64(row, 1)});
            }
        });
}

// The tags of the scheduled pairs that count on the home page.
enum ScheduledTag : std::uint32_t { DueTag, MatureTag };

// What a list version's pairs come to, counted by their words.
struct ListCounts {
    std::int64_t pairs = 0;
    std::int64_t due = 0;
    std::int64_t mature = 0;
};

} // namespace

bool ReadPractice(sqlite3* db, Day today, PracticeRecord& record) {
    // The newest version played at a path stands for the list there.
    const bool lists = EachRow(
        db,
        "SELECT g.list_path, COALESCE(d.description, ''), g.fingerprint, MAX(g.finished_at) "
        "FROM games g LEFT JOIN lists d ON d.fingerprint = g.fingerprint "
        "WHERE g.fingerprint <> ?1 GROUP BY g.list_path ORDER BY g.list_path",
        [&](sqlite3_stmt* select) { Bind(select, 1, std::string(ReviewFingerprint)); },
        [&](sqlite3_stmt* row) {
            record.lists.push_back({Text(row, 0), Text(row, 1), Text(row, 2), 0, 0, 0,
                                    sqlite3_column_int64(row, 3), true});
        });
    if (!lists || !ReadPracticeDays(db, record.days) || !ReadDueOutlook(db, today, record.due)) {
        return false;
    }
    // The schedule's pairs that count go into an index by their words; each list version's
    // pairs then come in the order of their words, read from the table's index alone.
    PairWordIndex scheduled;
    const bool schedules = EachRow(
        db,
        "SELECT key_a, key_b, due <= ?1 FROM memory_states "
        "WHERE due <= ?1 OR interval_days >= ?2",
        [&](sqlite3_stmt* select) {
            Bind(select, 1, DayText(today));
            sqlite3_bind_int(select, 2, MatureInterval);
        },
        [&](sqlite3_stmt* row) {
            scheduled.Add(TextView(row, 0), TextView(row, 1),
                          sqlite3_column_int(row, 2) != 0 ? DueTag : MatureTag);
        });
    std::map<std::string, ListCounts, std::less<>> counts;
    ListCounts* list = nullptr;
    std::string fingerprint;
    std::string wordA;
    std::string wordB;
    const bool pairs =
        schedules &&
        EachRow(
            db,
            "SELECT fingerprint, key_a, key_b FROM pair_totals WHERE fingerprint IN "
            "(SELECT fingerprint FROM (SELECT fingerprint, MAX(finished_at) FROM games "
            "WHERE fingerprint <> ?1 GROUP BY list_path)) ORDER BY fingerprint, key_a, key_b",
            [&](sqlite3_stmt* select) { Bind(select, 1, std::string(ReviewFingerprint)); },
            [&](sqlite3_stmt* row) {
                const std::string_view a = TextView(row, 1);
                const std::string_view b = TextView(row, 2);
                if (!list || TextView(row, 0) != fingerprint) {
                    fingerprint = TextView(row, 0);
                    list = &counts[fingerprint];
                } else if (a == wordA && b == wordB) {
                    // The same words twice in one version count once.
                    return;
                }
                wordA = a;
                wordB = b;
                ++list->pairs;
                if (const std::optional<std::uint32_t> tag = scheduled.TagOf(a, b)) {
                    list->due += *tag == DueTag ? 1 : 0;
                    list->mature += *tag == MatureTag ? 1 : 0;
                }
            });
    for (ListStanding& standing : record.lists) {
        if (const auto found = counts.find(standing.fingerprint); found != counts.end()) {
            standing.pairs = found->second.pairs;
            standing.dueToday = found->second.due;
            standing.mature = found->second.mature;
        }
    }
    return pairs;
}
