#include "learning/sqlite_progress_store.h"
#include "support/old_progress_schema.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>

namespace {

using namespace std::chrono;

const Day Today = year(2026) / December / 7;
constexpr int ScheduledPairs = 100'000;

// 1,000 lists of 100 pairs, due from 20 days ago to a year ahead: about 5 % are due.
std::string ScheduleDatabase(const TempDir& dir) {
    const std::string path = (dir.path() / "progress.sqlite").string();
    SqliteProgressStore(path).Record({});
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO memory_states VALUES ('word ' || ?2, 'partner ' || ?2, "
                       "printf('%016x', ?1), 'word ' || ?2, 'partner ' || ?2, 10.5, 5.2, ?3, ?4, "
                       "3, 0, 10)",
                       -1, &insert, nullptr);
    for (int pair = 0; pair < ScheduledPairs; ++pair) {
        const Day due = Today + days(pair % 400 - 20);
        const std::string last = DayText(due - days(10));
        const std::string dueText = DayText(due);
        sqlite3_reset(insert);
        sqlite3_bind_int(insert, 1, pair / 100);
        sqlite3_bind_int(insert, 2, pair);
        sqlite3_bind_text(insert, 3, last.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, dueText.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db,
                 "INSERT INTO lists SELECT DISTINCT fingerprint, 'List ' || fingerprint, '' "
                 "FROM memory_states; COMMIT",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

// Every pair due today, as glossatiles-cli --due lists them (limit -1), and the most overdue
// 60 as Today's Review deals them.
void ListTodaysDuePairs(benchmark::State& run) {
    const TempDir dir;
    SqliteProgressStore store(ScheduleDatabase(dir));
    std::size_t listed = 0;
    for (auto _ : run) {
        listed = store.ScheduledPairs(Today, run.range(0))->size();
        benchmark::DoNotOptimize(listed);
    }
    run.counters["pairs"] = static_cast<double>(listed);
}
BENCHMARK(ListTodaysDuePairs)->Arg(-1)->Arg(60)->Unit(benchmark::kMillisecond);

void SummariseTheSchedule(benchmark::State& run) {
    const TempDir dir;
    SqliteProgressStore store(ScheduleDatabase(dir));
    for (auto _ : run) {
        benchmark::DoNotOptimize(store.Summary(Today));
    }
}
BENCHMARK(SummariseTheSchedule)->Unit(benchmark::kMillisecond);

// What finishing a game of 60 pairs writes: the game, 60 pair totals and 60 reviews, into a
// database that already schedules 100,000 pairs.
void FinishAGameOf60Pairs(benchmark::State& run) {
    const TempDir dir;
    SqliteProgressStore store(ScheduleDatabase(dir));
    GameResult game{
        "/lists/benchmark.txt", "0000000000000007", 0, 300, 60, 60, 5, 1, 2, true, 0, {},
        GameKind::List,         "Benchmark list"};
    for (int pair = 0; pair < 60; ++pair) {
        game.outcomes.push_back({{"0000000000000007", "word " + std::to_string(700 + pair),
                                  "partner " + std::to_string(700 + pair)},
                                 pair % 7 == 0 ? 1 : 0,
                                 0,
                                 0,
                                 pair % 7 == 0 ? Grade::Again : Grade::Good});
    }
    std::int64_t day = 0;
    for (auto _ : run) {
        game.finishedAt = 1'796'000'000 + 86'400 * ++day;
        if (!store.Record(game)) {
            run.SkipWithError(EnglishText(store.Problem()).c_str());
            break;
        }
    }
}
BENCHMARK(FinishAGameOf60Pairs)->Unit(benchmark::kMillisecond);

// A file of schema version 3 from a player of many lists: 100,000 schedules with five reviews
// each, where every tenth pair is also in a second list (an edited copy), so that 10,000 pairs
// are merged and their logs replayed.
std::string Version3Database(const TempDir& dir) {
    const std::string path = (dir.path() / "version3.sqlite").string();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::string schema = OldProgressSchema(3);
    sqlite3_exec(db, schema.c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* state = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO memory_states VALUES (printf('%016x', ?1), 'Word ' || ?2, "
                       "'partner ' || ?2, 10.5, 5.2, ?3, ?4, 5, 0, 10)",
                       -1, &state, nullptr);
    sqlite3_stmt* log = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO review_log (fingerprint, text_a, text_b, reviewed_on, grade, "
                       "recall, counted) VALUES (printf('%016x', ?1), 'Word ' || ?2, "
                       "'partner ' || ?2, ?3, 3, ?4, 1)",
                       -1, &log, nullptr);
    const auto add = [&](int list, int pair) {
        const Day last = Today - days(pair % 30);
        sqlite3_reset(state);
        sqlite3_bind_int(state, 1, list);
        sqlite3_bind_int(state, 2, pair);
        const std::string lastText = DayText(last);
        const std::string dueText = DayText(last + days(10));
        sqlite3_bind_text(state, 3, lastText.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(state, 4, dueText.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(state);
        for (int review = 0; review < 5; ++review) {
            const std::string day = DayText(last - days(review * 7 + list % 3));
            sqlite3_reset(log);
            sqlite3_bind_int(log, 1, list);
            sqlite3_bind_int(log, 2, pair);
            sqlite3_bind_text(log, 3, day.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(log, 4, review % 2);
            sqlite3_step(log);
        }
    };
    for (int pair = 0; pair < ScheduledPairs; ++pair) {
        add(pair / 100, pair);
        if (pair % 10 == 0) {
            add(1000 + pair / 100, pair);
        }
    }
    sqlite3_finalize(state);
    sqlite3_finalize(log);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

// The first use of such a file by this program brings it to the current schema.
void MigrateAVersion3File(benchmark::State& run) {
    const TempDir dir;
    const std::string original = Version3Database(dir);
    const std::string copy = (dir.path() / "progress.sqlite").string();
    for (auto _ : run) {
        run.PauseTiming();
        std::filesystem::copy_file(original, copy,
                                   std::filesystem::copy_options::overwrite_existing);
        run.ResumeTiming();
        SqliteProgressStore store(copy);
        if (!store.Summary(Today)) {
            run.SkipWithError(EnglishText(store.Problem()).c_str());
            break;
        }
    }
}
BENCHMARK(MigrateAVersion3File)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
