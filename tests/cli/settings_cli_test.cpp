#include "cli_runner.h"
#include "learning/sqlite_progress_store.h"
#include "support/recorded_reviews.h"
#include "support/simulated_learner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Each pair's due day in a --due listing, by its word.
std::map<std::string, std::string> DueDays(const std::string& listing) {
    std::map<std::string, std::string> days;
    std::istringstream lines(listing);
    for (std::string day, word, rest; std::getline(lines, day, '\t') &&
                                      std::getline(lines, word, '\t') &&
                                      std::getline(lines, rest);) {
        days[word] = day;
    }
    return days;
}

// The retention kept with --set schedules what --due lists: a higher one brings every pair
// back as soon or sooner, and some sooner.
TEST(SettingsCli, TheRetentionKeptReschedulesWhatIsDue) {
    const TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    {
        Learner learner;
        learner.pairs = 40;
        SqliteProgressStore store(DefaultProgressPath());
        ASSERT_TRUE(RecordReviews(store, SimulatedReviews(learner)))
            << EnglishText(store.Problem());
    }
    const CliRun shown = RunCli(dir, {"--settings"});
    std::vector<CliRun> kept;
    std::vector<std::map<std::string, std::string>> due;
    for (const char* retention : {"0.8", "0.9", "0.97"}) {
        kept.push_back(RunCli(dir, {"--set", std::string("retention=") + retention}));
        due.push_back(DueDays(RunCli(dir, {"--due", "--all"}).output));
    }
    const CliRun both = RunCli(
        dir, {"--set", "review_pairs=25", "--set", "retention=0.85", "--set", "daily_goal=30"});
    unsetenv("XDG_DATA_HOME");

    EXPECT_EQ(shown.status, 0) << shown.errors;
    EXPECT_EQ(shown.output, "retention: 0.9\nreview_pairs: 60\ndaily_goal: 20\n");
    EXPECT_EQ(Summary(kept[2], {"retention", "review_pairs"}), "retention=0.97 review_pairs=60");
    EXPECT_EQ(both.output, "retention: 0.85\nreview_pairs: 25\ndaily_goal: 30\n");
    for (std::size_t higher = 1; higher < due.size(); ++higher) {
        SCOPED_TRACE(kept[higher].output);
        ASSERT_EQ(due[higher].size(), 40u);
        int sooner = 0;
        for (const auto& [word, day] : due[higher]) {
            EXPECT_LE(day, due[higher - 1].at(word)) << word;
            sooner += day < due[higher - 1].at(word) ? 1 : 0;
        }
        EXPECT_GT(sooner, 0);
    }
}

TEST(SettingsCli, AnUnknownSettingOrAValueOutOfRangeIsAUsageError) {
    const TempDir dir;
    const std::string home = "env XDG_DATA_HOME=" + Quoted(dir.path().string());
    for (const char* change :
         {"retention=0.5", "retention=0.98", "retention=high", "retention", "review_pairs=2.5",
          "review_pairs=0", "daily_goal=0", "daily_goal=1001", "colour=red"}) {
        SCOPED_TRACE(change);
        const CliRun run = RunCli(dir, {"--set", change}, home);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.output, "");
    }
    EXPECT_EQ(RunCli(dir, {"--settings", "list.txt"}, home).status, 2);
    EXPECT_EQ(RunCli(dir, {"--settings", "--due"}, home).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "glossatiles"));
}

} // namespace
