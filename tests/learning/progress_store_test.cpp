#include "learning/list_fingerprint.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
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
            {{"manger", "to eat", missedFirst, 0, 0}, {"boire", "to drink", 0, 1, 0}}};
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
    ASSERT_TRUE(store.Record(Game(1000, 2))) << store.Problem();
    ASSERT_TRUE(store.Record(Game(2000, 1))) << store.Problem();
    ASSERT_TRUE(store.Record(Game(3000, 0))) << store.Problem();

    const auto games = store.Games("00112233aabbccdd");
    ASSERT_TRUE(games) << store.Problem();
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
        SqliteProgressStore store(file.string());
        EXPECT_EQ(store.Record(Game(1000, 1)), c.recorded) << store.Problem();
        EXPECT_EQ(store.Problem().empty(), c.recorded) << store.Problem();
        // Where nothing could be kept, there is nothing to read either.
        std::error_code error;
        EXPECT_EQ(store.Games("00112233aabbccdd").has_value(),
                  c.recorded || !std::filesystem::exists(file, error));
        if (!c.recorded && !before.empty()) {
            EXPECT_EQ(ReadBytes(file.string()), before);
        }
        if (release) {
            release();
            EXPECT_TRUE(store.Record(Game(1000, 1))) << "a lock held only for a while";
        }
    }
}

TEST(ProgressStore, AReadOnlyFileKeepsNoProgress) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    TempDir home;
    const std::string file = (home.path() / "progress.sqlite").string();
    ASSERT_TRUE(SqliteProgressStore(file).Record(Game(1000, 1)));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    SqliteProgressStore store(file);
    EXPECT_FALSE(store.Record(Game(2000, 1)));
    EXPECT_NE(store.Problem().find("read-only"), std::string::npos) << store.Problem();
    EXPECT_EQ(store.Games("00112233aabbccdd")->size(), 1u) << "still readable";
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
