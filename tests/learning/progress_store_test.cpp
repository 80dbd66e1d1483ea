#include "learning/list_fingerprint.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

GameResult Game(std::int64_t finishedAt, std::int32_t missedFirst) {
    return {"/lists/verbs.txt",
            "00112233aabbccdd",
            finishedAt,
            90,
            2,
            2,
            missedFirst,
            1,
            0,
            true,
            0,
            {{{"00112233aabbccdd", "manger", "to eat"},
              missedFirst,
              0,
              0,
              missedFirst > 0 ? Grade::Again : Grade::Good},
             {{"00112233aabbccdd", "boire", "to drink"}, 0, 1, 0, Grade::Again}},
            GameKind::List,
            "Verbs"};
}

void Sql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

TEST(ProgressStore, GamesAndPairTotalsComeBackFromTheDataHome) {
    TempDir home;
    setenv("XDG_DATA_HOME", home.path().c_str(), 1);
    const std::string path = DefaultProgressPath();
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(path, (home.path() / "glossatiles/progress.sqlite").string());

    SqliteProgressStore store(path);
    ASSERT_TRUE(store.Record(Game(1000, 2))) << EnglishText(store.Problem());
    ASSERT_TRUE(store.Record(Game(2000, 1))) << EnglishText(store.Problem());
    ASSERT_TRUE(store.Record(Game(3000, 0))) << EnglishText(store.Problem());

    const auto games = store.Games("00112233aabbccdd");
    ASSERT_TRUE(games) << EnglishText(store.Problem());
    ASSERT_EQ(games->size(), 3u);
    const GameResult& first = games->front();
    EXPECT_EQ(std::tuple(first.listPath, first.finishedAt, first.seconds, first.pairs,
                         first.correct, first.wrong, first.hints, first.assisted),
              std::tuple("/lists/verbs.txt", 1000, 90, 2, 2, 2, 1, true));
    EXPECT_TRUE(store.Games("ffffffffffffffff")->empty());

    const auto hardest = store.HardestPairs("00112233aabbccdd", 20);
    ASSERT_TRUE(hardest);
    ASSERT_EQ(hardest->size(), 1u) << "a pair never missed is not among the hardest";
    const PairTotal& eat = hardest->front();
    EXPECT_EQ(std::tuple(eat.textA, eat.seen, eat.missed, eat.lastMissed),
              std::tuple("manger", 3, 3, 2000));
}

TEST(ProgressStore, AFaultyFileKeepsNoProgressAndIsNeverRewritten) {
    struct Case {
        const char* name;
        // Prepares the file at the path; returns what must make Record work again, if anything.
        std::function<std::function<void()>(const std::filesystem::path&)> spoil;
        bool recorded;
    };
    const Case cases[] = {
        {"a missing folder is made", [](const auto&) { return std::function<void()>(); }, true},
        {"a folder that cannot be made",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directories(file.parent_path().parent_path());
             std::ofstream(file.parent_path()) << "a file where the folder should be";
             return std::function<void()>();
         },
         false},
        {"damaged bytes",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directories(file.parent_path());
             std::ofstream(file) << std::string(4096, '\x5a');
             return std::function<void()>();
         },
         false},
        {"a newer schema",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directories(file.parent_path());
             Sql(file, "CREATE TABLE games (future TEXT); PRAGMA user_version = 99;");
             return std::function<void()>();
         },
         false},
        {"a review table this program cannot use",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directories(file.parent_path());
             Sql(file,
                 "CREATE TABLE games (id INTEGER PRIMARY KEY, list_path, fingerprint, "
                 "finished_at, seconds, pairs, correct, wrong, hints, peeks, assisted, undos, "
                 "kind); CREATE TABLE lists (fingerprint PRIMARY KEY, description, list_path);"
                 "CREATE TABLE pair_totals (fingerprint, text_a, text_b, seen, missed, "
                 "hinted, peeked, last_missed, PRIMARY KEY (fingerprint, text_a, text_b));"
                 "CREATE TABLE memory_states (damaged); PRAGMA user_version = 2;");
             return std::function<void()>();
         },
         false},
        {"locked by another program",
         [](const std::filesystem::path& file) {
             std::filesystem::create_directories(file.parent_path());
             sqlite3* other = nullptr;
             sqlite3_open(file.c_str(), &other);
             sqlite3_exec(other, "BEGIN EXCLUSIVE; CREATE TABLE t (x);", nullptr, nullptr, nullptr);
             return std::function<void()>([other] { sqlite3_close(other); });
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home;
        const std::filesystem::path file = home.path() / "data/glossatiles/progress.sqlite";
        const std::function<void()> release = c.spoil(file);
        const std::string before =
            std::filesystem::is_regular_file(file) ? ReadBytes(file.string()) : "";
        SqliteProgressStore store(file.string(), std::chrono::milliseconds(100));
        EXPECT_EQ(store.Record(Game(1000, 1)), c.recorded) << EnglishText(store.Problem());
        EXPECT_EQ(EnglishText(store.Problem()).empty(), c.recorded) << EnglishText(store.Problem());
        // Where nothing could be kept, there is nothing to read either.
        std::error_code error;
        const bool readable = c.recorded || !std::filesystem::exists(file, error);
        EXPECT_EQ(store.ScheduledPairs(EveryDay, 100).has_value(), readable);
        EXPECT_EQ(store.Summary(Day(std::chrono::days(20000))).has_value(), readable);
        if (c.name != std::string_view("a review table this program cannot use")) {
            EXPECT_EQ(store.Games("00112233aabbccdd").has_value(), readable);
        }
        if (!c.recorded && !before.empty()) {
            EXPECT_TRUE(ReadBytes(file.string()) == before) << "the file was changed";
        }
        if (release) {
            release();
            EXPECT_TRUE(store.Record(Game(1000, 1))) << "a lock held only for a while";
        }
    }
}

TEST(ProgressStore, ALockHeldLongerThanOneWaitIsWaitedOutThenReported) {
    TempDir home;
    const std::string file = (home.path() / "progress.sqlite").string();
    ASSERT_TRUE(SqliteProgressStore(file).Record(Game(1000, 1)));
    const auto lock = [&file] {
        sqlite3* other = nullptr;
        sqlite3_open(file.c_str(), &other);
        sqlite3_exec(other, "BEGIN EXCLUSIVE; CREATE TABLE t (x);", nullptr, nullptr, nullptr);
        return other;
    };

    sqlite3* other = lock();
    std::thread releaser([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        sqlite3_close(other);
    });
    SqliteProgressStore store(file);
    EXPECT_TRUE(store.Record(Game(2000, 1))) << EnglishText(store.Problem());
    releaser.join();
    EXPECT_EQ(store.Games("00112233aabbccdd")->size(), 2u);

    other = lock();
    SqliteProgressStore impatient(file, std::chrono::milliseconds(300));
    EXPECT_FALSE(impatient.Record(Game(3000, 1)));
    EXPECT_NE(EnglishText(impatient.Problem()).find("locked"), std::string::npos)
        << EnglishText(impatient.Problem());
    sqlite3_close(other);
}

TEST(ProgressStore, WithoutAnyDataFolderProgressIsNotKept) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    SqliteProgressStore store(DefaultProgressPath());
    setenv("HOME", savedHome.c_str(), 1);
    EXPECT_FALSE(store.Record(Game(1000, 1)));
    EXPECT_EQ(EnglishText(store.Problem()),
              "there is no folder for it (neither XDG_DATA_HOME nor HOME is set)");
    EXPECT_FALSE(store.Games("00112233aabbccdd"));
    EXPECT_FALSE(store.ScheduledPairs(EveryDay, 10));
}

// Runs `check` in a child process that has given up root, so that file permissions hold;
// gives the child's exit status.
int AsUnprivilegedUser(const std::function<int()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0)) {
            _exit(100);
        }
        _exit(check());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

TEST(ProgressStore, AReadOnlyFileKeepsNoProgress) {
    TempDir home;
    const std::string file = (home.path() / "progress.sqlite").string();
    ASSERT_TRUE(SqliteProgressStore(file).Record(Game(1000, 1)));
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_read | perms::group_read | perms::others_read);
    std::filesystem::permissions(home.path(), perms::owner_all | perms::group_read |
                                                  perms::group_exec | perms::others_read |
                                                  perms::others_exec);
    // Each failed check sets its own bit of the exit status.
    const int failed = AsUnprivilegedUser([&file] {
        SqliteProgressStore store(file, std::chrono::milliseconds(100));
        const bool refused = !store.Record(Game(2000, 1));
        const bool said = EnglishText(store.Problem()).find("read-only") != std::string::npos;
        const auto games = store.Games("00112233aabbccdd");
        return (refused ? 0 : 1) | (said ? 0 : 2) | (games && games->size() == 1 ? 0 : 4);
    });
    EXPECT_EQ(failed, 0) << "1: recorded, 2: not said to be read-only, 4: no longer readable";
}

// Only the pairs the player matched unaided count as known.
TEST(ProgressStore, AccuracyCountsPairsRemovedForThePlayerAsNotKnown) {
    const struct {
        std::int32_t pairs, correct, wrong, hints, peeks;
        const char* kind;
        std::optional<double> accuracy;
    } cases[] = {
        {3, 3, 1, 0, 0, GameKind::List, 0.75},
        {27, 3, 0, 24, 0, GameKind::List, 3.0 / 27}, // Fast Auto Finish removed 24
        {3, 0, 0, 3, 0, GameKind::List, 0.0},
        {3, 3, 1, 2, 1, GameKind::List, 0.5}, // one pair picked after a hint, one peek
        {4, 3, 1, 0, 0, GameKind::Typing, 0.75},
        {0, 0, 0, 0, 0, GameKind::List, std::nullopt},
    };
    for (const auto& c : cases) {
        GameResult game;
        std::tie(game.pairs, game.correct, game.wrong, game.hints, game.peeks, game.kind) =
            std::tuple(c.pairs, c.correct, c.wrong, c.hints, c.peeks, c.kind);
        EXPECT_EQ(Accuracy(game), c.accuracy) << c.pairs << " " << c.correct << " " << c.kind;
    }
}

TEST(ProgressStore, FingerprintsTellListsApartByEveryByteAndWordBoundary) {
    const WordPairList lists[] = {
        {{"ab", "c"}},
        {{"a", "bc"}},
        {{"ab", ""}},
        {{"ab", std::nullopt}},
        {{"ab", "c"}, {"d", "e"}},
        {{"d", "e"}, {"ab", "c"}},
        {},
    };
    std::set<std::string> seen;
    for (const WordPairList& list : lists) {
        const std::string fingerprint = ListFingerprint(list);
        EXPECT_EQ(fingerprint.size(), 16u);
        EXPECT_EQ(ListFingerprint(WordPairList(list)), fingerprint);
        seen.insert(fingerprint);
    }
    EXPECT_EQ(seen.size(), std::size(lists));
}

} // namespace
