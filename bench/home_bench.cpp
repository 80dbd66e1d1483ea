#include "learning/practice_overview.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

using namespace std::chrono;

const Day Today = year(2026) / December / 7;
constexpr int Lists = 200;
constexpr int PairsPerList = 500;

void Run(sqlite3* db, const char* sql) {
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// 200 lists of 500 pairs, each played in two versions (the second after an edit), 100,000
// scheduled pairs due from 20 days ago to a year ahead, and a review of each pair on one of the
// last 365 days.
std::string PractisedDatabase(const TempDir& dir) {
    const std::string path = (dir.path() / "progress.sqlite").string();
    SqliteProgressStore(path).Record({});
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    Run(db, "BEGIN");
    sqlite3_stmt* game = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO games (list_path, fingerprint, finished_at, seconds, pairs, "
                       "correct, wrong, hints, peeks, assisted, undos) VALUES ('/lists/' || ?1 "
                       "|| '.txt', printf('%016x', ?1 * 2 + ?2), 1796000000 + ?1 * 60 + ?2, 60, "
                       "500, 500, 0, 0, 0, 0, 0)",
                       -1, &game, nullptr);
    sqlite3_stmt* total = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO pair_totals (fingerprint, text_a, text_b, seen, key_a, key_b) "
                       "VALUES (printf('%016x', ?1), 'word ' || ?2, 'partner ' || ?2, 1, "
                       "'word ' || ?2, 'partner ' || ?2)",
                       -1, &total, nullptr);
    sqlite3_stmt* state = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO memory_states VALUES ('word ' || ?2, 'partner ' || ?2, "
                       "printf('%016x', ?1), 'word ' || ?2, 'partner ' || ?2, 10.5, 5.2, ?3, ?4, "
                       "3, 0, ?5)",
                       -1, &state, nullptr);
    sqlite3_stmt* review = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO review_log (fingerprint, text_a, text_b, reviewed_on, grade, "
                       "key_a, key_b) VALUES (printf('%016x', ?1), 'word ' || ?2, 'partner ' || "
                       "?2, ?3, 3, 'word ' || ?2, 'partner ' || ?2)",
                       -1, &review, nullptr);
    for (int list = 0; list < Lists; ++list) {
        for (int version = 0; version < 2; ++version) {
            sqlite3_reset(game);
            sqlite3_bind_int(game, 1, list);
            sqlite3_bind_int(game, 2, version);
            sqlite3_step(game);
        }
    }
    for (int pair = 0; pair < Lists * PairsPerList; ++pair) {
        const int list = pair / PairsPerList;
        // The edit changed a tenth of the pairs: both versions count them.
        for (int version = 0; version < 2; ++version) {
            sqlite3_reset(total);
            sqlite3_bind_int(total, 1, list * 2 + version);
            sqlite3_bind_int(total, 2, version == 0 && pair % 10 == 0 ? -pair - 1 : pair);
            sqlite3_step(total);
        }
        const Day due = Today + days(pair % 400 - 20);
        const std::string last = DayText(due - days(10));
        const std::string dueText = DayText(due);
        sqlite3_reset(state);
        sqlite3_bind_int(state, 1, list * 2 + 1);
        sqlite3_bind_int(state, 2, pair);
        sqlite3_bind_text(state, 3, last.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(state, 4, dueText.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(state, 5, pair % 40);
        sqlite3_step(state);
        const std::string reviewed = DayText(Today - days(pair % 365));
        sqlite3_reset(review);
        sqlite3_bind_int(review, 1, list * 2 + 1);
        sqlite3_bind_int(review, 2, pair);
        sqlite3_bind_text(review, 3, reviewed.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(review);
    }
    for (sqlite3_stmt* statement : {game, total, state, review}) {
        sqlite3_finalize(statement);
    }
    // The empty game only made the schema.
    Run(db, "DELETE FROM games WHERE fingerprint = ''; DELETE FROM lists");
    Run(db, "INSERT INTO lists SELECT fingerprint, 'List ' || fingerprint, list_path FROM games");
    Run(db, "COMMIT");
    sqlite3_close(db);
    return path;
}

// Everything the home page shows; it should take well under 100 ms.
void ReadTheHomePage(benchmark::State& run) {
    const TempDir dir;
    SqliteProgressStore store(PractisedDatabase(dir));
    std::size_t lists = 0;
    for (auto _ : run) {
        const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, Today);
        if (!overview) {
            run.SkipWithError(EnglishText(store.Problem()).c_str());
            break;
        }
        lists = overview->lists.size();
        benchmark::DoNotOptimize(overview->streaks);
    }
    run.counters["lists"] = static_cast<double>(lists);
}
BENCHMARK(ReadTheHomePage)->Unit(benchmark::kMillisecond);

} // namespace
