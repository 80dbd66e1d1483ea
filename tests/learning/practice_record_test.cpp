#include "learning/practice_overview.h"
#include "learning/sqlite_progress_store.h"
#include "support/practice_day.h"
#include "support/recorded_reviews.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <ctime>

namespace {

using namespace std::chrono;

std::vector<PracticeDay> DaysBack(std::initializer_list<int> offsets) {
    std::vector<PracticeDay> days;
    for (int offset : offsets) {
        days.push_back({Today - std::chrono::days(offset), 5});
    }
    return days;
}

TEST(Streaks, CountConsecutiveDaysAndForgiveATodayNotYetPractised) {
    struct Case {
        const char* what;
        std::vector<PracticeDay> days;
        int current;
        int longest;
    };
    const Case cases[] = {
        {"nothing yet", {}, 0, 0},
        {"today only", DaysBack({0}), 1, 1},
        {"yesterday, today not yet", DaysBack({1}), 1, 1},
        {"three days to today", DaysBack({2, 1, 0}), 3, 3},
        {"three days to yesterday", DaysBack({3, 2, 1}), 3, 3},
        {"a day skipped before today", DaysBack({4, 3, 2}), 0, 3},
        {"a gap inside", DaysBack({6, 5, 4, 3, 1, 0}), 2, 4},
        {"a day without pairs is no practice", {{Today - days(1), 3}, {Today, 0}}, 1, 1},
        {"a day after today does not count", {{Today, 2}, {Today + days(1), 2}}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Streaks streaks = StreaksOf(c.days, Today);
        EXPECT_EQ(std::pair(streaks.current, streaks.longest), std::pair(c.current, c.longest));
    }
}

TEST(Standings, MostDueFirstThenMostRecentlyPractised) {
    std::vector<ListStanding> lists{{"/a", "", "", 9, 0, 0, 500},
                                    {"/b", "", "", 9, 4, 0, 100},
                                    {"/c", "", "", 9, 0, 0, 900},
                                    {"/d", "", "", 9, 4, 0, 300}};
    SortStandings(lists);
    std::string order;
    for (const ListStanding& list : lists) {
        order += list.path;
    }
    EXPECT_EQ(order, "/d/b/c/a");
}

PairOutcome Seen(const std::string& fingerprint, const std::string& word, Grade grade) {
    return {{fingerprint, word, "to " + word}, 0, 0, 0, grade};
}

GameResult Game(const std::string& path, const std::string& fingerprint, std::int64_t finishedAt,
                std::vector<PairOutcome> outcomes, const char* kind = GameKind::List) {
    const auto pairs = static_cast<std::int32_t>(outcomes.size());
    return {path,       fingerprint,
            finishedAt, 60,
            pairs,      pairs,
            0,          0,
            0,          false,
            0,          std::move(outcomes),
            kind,       "Verbs " + fingerprint};
}

class PracticeStore : public testing::Test {
protected:
    TempDir home;
    SqliteProgressStore store{(home.path() / "progress.sqlite").string()};

    void Keep(const GameResult& game) {
        ASSERT_TRUE(store.Record(game)) << EnglishText(store.Problem());
    }
};

TEST_F(PracticeStore, NoDatabaseYetIsNoPracticeAndTheDefaultGoal) {
    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, Today);
    ASSERT_TRUE(overview);
    EXPECT_EQ(StatsReport(*overview),
              "today: 0\ngoal: 20\nstreak: 0\nlongest-streak: 0\ndue-today: 0\nlists: 0\n");
}

TEST_F(PracticeStore, EachDayCountsEachPairOnceHoweverOftenItWasPractised) {
    const std::int64_t noon = NoonOf(Today);
    Keep(Game("/lists/verbs.txt", "v1", noon - 86400,
              {Seen("v1", "voir", Grade::Good), Seen("v1", "boire", Grade::Good)}));
    Keep(Game("/lists/verbs.txt", "v1", noon, {Seen("v1", "voir", Grade::Again)}));
    Keep(Game("/lists/verbs.txt", "v1", noon + 60,
              {Seen("v1", "voir", Grade::Good), Seen("v1", "manger", Grade::Good)},
              GameKind::Typing));
    ASSERT_TRUE(WriteSetting(store, Setting::DailyGoal, 35));

    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, Today);
    ASSERT_TRUE(overview);
    ASSERT_EQ(overview->days.size(), 2u);
    EXPECT_EQ(std::pair(overview->days[0].day, overview->days[0].pairs),
              std::pair(Today - days(1), std::int64_t{2}));
    EXPECT_EQ(std::pair(overview->days[1].day, overview->days[1].pairs),
              std::pair(Today, std::int64_t{2}));
    EXPECT_EQ(std::tuple(overview->practisedToday, overview->goal, overview->streaks.current),
              std::tuple(2, 35, 2));
}

TEST_F(PracticeStore, AListIsItsPathInTheNewestVersionPlayedThere) {
    const std::int64_t noon = NoonOf(Today - days(30));
    // An edit keeps voir and boire (boire with another case, and twice) and drops manger.
    Keep(Game("/gone/verbs.txt", "v1", noon,
              {Seen("v1", "voir", Grade::Again), Seen("v1", "boire", Grade::Easy),
               Seen("v1", "manger", Grade::Good)}));
    Keep(Game("/gone/verbs.txt", "v2", noon + 3600,
              {Seen("v2", "voir", Grade::Again), Seen("v2", "Boire", Grade::Easy),
               Seen("v2", "BOIRE", Grade::Easy)}));
    const std::string animals = home.Write("animals.txt", "Animals\nchat\ncat\n");
    Keep(Game(animals, "a1", noon + 7200, {Seen("a1", "chat", Grade::Good)}));
    // Today's Review is kept under no list of its own.
    Keep(Game("", ReviewFingerprint, noon + 9000, {Seen("v2", "voir", Grade::Good)},
              GameKind::Review));

    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, Today);
    ASSERT_TRUE(overview);
    ASSERT_EQ(overview->lists.size(), 2u);
    const ListStanding& verbs = overview->lists[0];
    EXPECT_EQ(std::tuple(verbs.path, verbs.description, verbs.pairs, verbs.fileExists),
              std::tuple("/gone/verbs.txt", "Verbs v2", 2, false));
    EXPECT_EQ(verbs.lastPractice, noon + 3600);
    const ListStanding& animalList = overview->lists[1];
    EXPECT_EQ(std::tuple(animalList.path, animalList.pairs, animalList.fileExists),
              std::tuple(animals, 1, true));
    // A month on, every pair is due again; manger left the list with the edit.
    EXPECT_EQ(std::tuple(verbs.dueToday, animalList.dueToday, overview->summary.dueNow),
              std::tuple(2, 1, 4));
    EXPECT_EQ(verbs.mature + animalList.mature, 0);
}

TEST_F(PracticeStore, AMatureIntervalIsCountedAndNoLongerDue) {
    Keep(Game("/v.txt", "v1", NoonOf(Today - days(40)),
              {Seen("v1", "voir", Grade::Good), Seen("v1", "boire", Grade::Good)}));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.Path().c_str(), &db), SQLITE_OK);
    sqlite3_exec(db,
                 "UPDATE memory_states SET interval_days = 30, due = '2026-12-20' "
                 "WHERE text_a = 'boire'",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, Today);
    ASSERT_TRUE(overview);
    ASSERT_EQ(overview->lists.size(), 1u);
    EXPECT_EQ(std::tuple(overview->lists[0].pairs, overview->lists[0].dueToday,
                         overview->lists[0].mature),
              std::tuple(2, 1, 1));
}

// Berlin moves to summer time at 02:00 on 29 March 2026: that day has 23 hours.
TEST_F(PracticeStore, ADayAcrossTheMoveToSummerTimeCountsOnce) {
    const char* kept = std::getenv("TZ");
    const std::string before = kept ? kept : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const Day change = year(2026) / March / 29;
    std::tm early{0, 30, 0, 29, 2, 126, 0, 0, -1, 0, nullptr};
    std::tm late{0, 30, 23, 29, 2, 126, 0, 0, -1, 0, nullptr};
    const std::int64_t first = std::mktime(&early);
    const std::int64_t last = std::mktime(&late);
    Keep(Game("/v.txt", "v1", NoonOf(change - days(1)), {Seen("v1", "voir", Grade::Good)}));
    Keep(Game("/v.txt", "v1", first, {Seen("v1", "boire", Grade::Good)}));
    Keep(Game("/v.txt", "v1", last, {Seen("v1", "manger", Grade::Good)}));
    Keep(Game("/v.txt", "v1", NoonOf(change + days(1)), {Seen("v1", "voir", Grade::Good)}));
    const std::optional<PracticeOverview> overview = ReadPracticeOverview(store, change + days(1));
    if (kept) {
        setenv("TZ", before.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    ASSERT_TRUE(overview);
    EXPECT_EQ(last - first, 22 * 3600);
    ASSERT_EQ(overview->days.size(), 3u);
    EXPECT_EQ(std::pair(overview->days[1].day, overview->days[1].pairs),
              std::pair(change, std::int64_t{2}));
    EXPECT_EQ(std::pair(overview->streaks.current, overview->streaks.longest), std::pair(3, 3));
}

} // namespace
