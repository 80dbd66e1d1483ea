#include "cli_runner.h"
#include "support/recorded_reviews.h"
#include "support/temp_dir.h"

#include "learning/sqlite_progress_store.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace std::chrono;

// One pair reviewed at noon of `day`, local time.
void PractiseOn(Day day) {
    SqliteProgressStore store(DefaultProgressPath());
    const std::int64_t noon = NoonOf(day);
    GameResult game{"/lists/verbs.txt",
                    "verbs",
                    noon,
                    60,
                    1,
                    1,
                    0,
                    0,
                    0,
                    false,
                    0,
                    {{{"verbs", "voir", "to see"}, 0, 0, 0, Grade::Good}},
                    GameKind::Typing,
                    "Verbs"};
    ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
}

std::string At(Day day) {
    return "faketime '" + DayText(day) + " 12:00:00'";
}

TEST(CliStats, StreakHoldsUntilADayIsSkippedAndTheLongestStays) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    const Day newYear = year(2027) / January / 1;
    for (const Day day : {newYear - days(2), newYear - days(1), newYear}) {
        PractiseOn(day);
    }
    struct Case {
        Day on;
        const char* expected;
    };
    const Case cases[] = {
        {newYear, "today=1 streak=3 longest-streak=3 goal=20 lists=1"},
        {newYear + days(1), "today=0 streak=3 longest-streak=3 goal=20 lists=1"},
        {newYear + days(2), "today=0 streak=0 longest-streak=3 goal=20 lists=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DayText(c.on));
        const CliRun run = RunCli(dir, {"--stats"}, At(c.on));
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(Summary(run, {"today", "streak", "longest-streak", "goal", "lists"}), c.expected);
        EXPECT_TRUE(run.summary.contains("due-today"));
    }
}

TEST(CliStats, AnUnreadableDatabaseFailsAndOtherArgumentsAreAUsageError) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    std::filesystem::create_directories(dir.path() / "glossatiles");
    dir.Write("glossatiles/progress.sqlite", "not a database, only words");
    const CliRun unreadable = RunCli(dir, {"--stats"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.errors.find("error: "), std::string::npos);
    EXPECT_EQ(RunCli(dir, {"--stats", "--due"}).status, 2);
    EXPECT_EQ(RunCli(dir, {"--stats", "list.txt"}).status, 2);
}

} // namespace
