#include "learning/progress_queries.h"

#include "learning/schedule_columns.h"
#include "learning/sqlite_handles.h"

#include <algorithm>

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

bool ReadSummary(sqlite3* db, Day today, ReviewSummary& summary) {
    const std::string todayText = DayText(today);
    const auto bindToday = [&todayText](sqlite3_stmt* select) { Bind(select, 1, todayText); };
    const Day lastForecast = today + std::chrono::days(ForecastDays - 1);
    const bool read =
        EachRow(
            db, "SELECT due, COUNT(*) FROM memory_states WHERE due <= ?2 GROUP BY due",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                Bind(select, 2, DayText(lastForecast));
            },
            [&](sqlite3_stmt* row) {
                const std::optional<Day> due = ParseDay(Text(row, 0));
                const auto offset = due ? std::max<long>(0, (*due - today).count()) : 0;
                summary.forecast[static_cast<std::size_t>(offset)] += sqlite3_column_int64(row, 1);
            }) &&
        EachRow(db,
                "SELECT due, COUNT(*) FROM memory_states WHERE due = "
                "(SELECT MIN(due) FROM memory_states WHERE due > ?1)",
                bindToday,
                [&](sqlite3_stmt* row) {
                    if (const std::optional<Day> due = ParseDay(Text(row, 0))) {
                        summary.next = DueDay{*due, sqlite3_column_int64(row, 1)};
                    }
                }) &&
        EachRow(
            db,
            "SELECT COALESCE(SUM(due <= ?1), 0), "
            "COALESCE(SUM(due > ?1 AND interval_days < ?2), 0), "
            "COALESCE(SUM(due > ?1 AND interval_days >= ?2), 0) FROM memory_states",
            [&](sqlite3_stmt* select) {
                bindToday(select);
                sqlite3_bind_int(select, 2, MatureInterval);
            },
            [&](sqlite3_stmt* row) {
                summary.stages.due = sqlite3_column_int64(row, 0);
                summary.stages.learning = sqlite3_column_int64(row, 1);
                summary.stages.mature = sqlite3_column_int64(row, 2);
            }) &&
        // A pair seen in several lists is one new pair.
        EachRow(
            db,
            "SELECT COUNT(*) FROM (SELECT DISTINCT key_a, key_b FROM pair_totals) p "
            "WHERE NOT EXISTS (SELECT 1 FROM memory_states m WHERE m.key_a = p.key_a "
            "AND m.key_b = p.key_b)",
            [](sqlite3_stmt*) {},
            [&](sqlite3_stmt* row) { summary.stages.newPairs = sqlite3_column_int64(row, 0); });
    summary.dueNow = summary.stages.due;
    return read;
}

bool ReadPractice(sqlite3* db, Day today, PracticeRecord& record) {
    // A pair practised twice on one day, or in two lists, is one pair of that day.
    const bool days = EachRow(
        db,
        "SELECT reviewed_on, COUNT(*) FROM (SELECT DISTINCT reviewed_on, key_a, key_b "
        "FROM review_log) GROUP BY reviewed_on ORDER BY reviewed_on",
        [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* row) {
            if (const std::optional<Day> day = ParseDay(Text(row, 0))) {
                record.days.push_back({*day, sqlite3_column_int64(row, 1)});
            }
        });
    // The newest version played at a path stands for the list there; its pairs are counted by
    // their words, as the schedule keeps them.
    return days && EachRow(
                       db,
                       "WITH latest AS (SELECT list_path, fingerprint, MAX(finished_at) AS last "
                       "FROM games WHERE fingerprint <> ?3 GROUP BY list_path), "
                       "words AS (SELECT DISTINCT l.list_path, p.key_a, p.key_b FROM latest l "
                       "JOIN pair_totals p ON p.fingerprint = l.fingerprint), "
                       "counts AS (SELECT w.list_path, COUNT(*) AS pairs, "
                       "COALESCE(SUM(m.due <= ?1), 0) AS due, "
                       "COALESCE(SUM(m.due > ?1 AND m.interval_days >= ?2), 0) AS mature "
                       "FROM words w LEFT JOIN memory_states m ON m.key_a = w.key_a "
                       "AND m.key_b = w.key_b GROUP BY w.list_path) "
                       "SELECT l.list_path, COALESCE(d.description, ''), l.fingerprint, "
                       "COALESCE(c.pairs, 0), COALESCE(c.due, 0), COALESCE(c.mature, 0), l.last "
                       "FROM latest l LEFT JOIN lists d ON d.fingerprint = l.fingerprint "
                       "LEFT JOIN counts c ON c.list_path = l.list_path ORDER BY l.list_path",
                       [&](sqlite3_stmt* select) {
                           Bind(select, 1, DayText(today));
                           sqlite3_bind_int(select, 2, MatureInterval);
                           Bind(select, 3, std::string(ReviewFingerprint));
                       },
                       [&](sqlite3_stmt* row) {
                           record.lists.push_back(
                               {Text(row, 0), Text(row, 1), Text(row, 2),
                                sqlite3_column_int64(row, 3), sqlite3_column_int64(row, 4),
                                sqlite3_column_int64(row, 5), sqlite3_column_int64(row, 6), true});
                       });
}
