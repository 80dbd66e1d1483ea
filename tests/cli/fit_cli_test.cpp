#include "cli_runner.h"
#include "learning/sqlite_progress_store.h"
#include "support/recorded_reviews.h"
#include "support/simulated_learner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string Forgetful = std::string(GLOSSATILES_TEST_DATA) + "/reviews-forgetful.csv";

std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> numbers;
    for (std::string word; in >> word;) {
        if (word != "default" && word != "fitted") {
            numbers.push_back(std::stod(word));
        }
    }
    return numbers;
}

TEST(FitCli, PrintsTheFittedParametersAndHowTheyPredictTheFileAndStoresNothing) {
    const TempDir dir;
    const std::string home = "env XDG_DATA_HOME=" + Quoted(dir.path().string());
    CliRun run = RunCli(dir, {"--fit", "--reviews", Forgetful}, home);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(Numbers(run.summary["parameters"]).size(), 21u);
    EXPECT_GT(std::stoi(run.summary["reviews"]), 2000);
    const std::vector<double> logLoss = Numbers(run.summary["log-loss"]);
    const std::vector<double> rmse = Numbers(run.summary["rmse-bins"]);
    ASSERT_EQ(logLoss.size(), 2u);
    ASSERT_EQ(rmse.size(), 2u);
    EXPECT_LT(logLoss[1], logLoss[0]);
    EXPECT_LT(rmse[1], rmse[0]);
    // The reference optimiser reaches 0.3368 on this file.
    EXPECT_LE(logLoss[1], 0.3368 * 1.01);
    EXPECT_EQ(RunCli(dir, {"--dry-run", "--fit", "--reviews", Forgetful}, home).output,
              run.output + "stored: no (dry run)\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "glossatiles"));
}

TEST(FitCli, ABadReviewFileIsNamedByItsLineAndFails) {
    const TempDir dir;
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"a,2026-12-01,3\na,2026-12-02,0\n",
         "error: Line 2: the rating \"0\" is not 1, 2, 3 or 4.\n"},
        {"a,2026-12-03,3\na,2026-12-02,3\n",
         "error: Line 2: a is dated 2026-12-02, before its review on line 1.\n"},
        {"a,3\n", "error: Line 1 does not have the three columns pair, date and rating.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CliRun run = RunCli(dir, {"--fit", "--reviews", dir.Write("bad.csv", c.text)});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, c.error);
        EXPECT_EQ(run.output, "");
    }
    CliRun few = RunCli(dir, {"--fit", "--reviews", dir.Write("few.csv", "a,2026-12-01,3\n")});
    EXPECT_EQ(few.status, 0);
    EXPECT_EQ(few.summary["reviews"], "0");
    EXPECT_EQ(few.summary["log-loss"], "default - fitted -");
}

// The learner's log in the progress database: a dry run changes nothing, a fit that predicts
// better is kept and reschedules every pair.
TEST(FitCli, OnTheProgressLogADryRunStoresNothingAndABetterFitReschedules) {
    const TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    {
        // Forgets faster than the defaults expect.
        Learner learner;
        learner.memory = {0.2, 0.5, 1.0,  3.0, 7.5, 0.6, 2.0,    0.02,   1.2,    0.3, 1.0,
                          2.2, 0.1, 0.35, 1.9, 0.5, 2.2, 0.5425, 0.0912, 0.0658, 0.4};
        SqliteProgressStore store(DefaultProgressPath());
        ASSERT_TRUE(RecordReviews(store, SimulatedReviews(learner)))
            << EnglishText(store.Problem());
    }
    const std::string due = RunCli(dir, {"--due", "--all"}).output;
    CliRun dry = RunCli(dir, {"--fit", "--dry-run"});
    const std::string dueAfterDryRun = RunCli(dir, {"--due", "--all"}).output;
    CliRun fit = RunCli(dir, {"--fit"});
    const std::string dueAfterFit = RunCli(dir, {"--due", "--all"}).output;
    const auto fits = SqliteProgressStore(DefaultProgressPath()).Fits();
    unsetenv("XDG_DATA_HOME");

    ASSERT_EQ(dry.status, 0) << dry.errors;
    EXPECT_EQ(Numbers(dry.summary["parameters"]).size(), 21u);
    const std::vector<double> logLoss = Numbers(dry.summary["log-loss"]);
    ASSERT_EQ(logLoss.size(), 2u);
    EXPECT_LT(logLoss[1], logLoss[0]);
    EXPECT_EQ(dry.summary["stored"], "no (dry run)");
    EXPECT_EQ(dry.summary.count("adopted"), 0u);
    EXPECT_EQ(dueAfterDryRun, due);

    ASSERT_EQ(fit.status, 0) << fit.errors;
    EXPECT_EQ(Summary(fit, {"parameters", "reviews", "log-loss"}),
              Summary(dry, {"parameters", "reviews", "log-loss"}));
    EXPECT_EQ(Summary(fit, {"stored", "adopted"}), "stored=yes adopted=yes");
    EXPECT_NE(dueAfterFit, due);
    ASSERT_TRUE(fits && fits->inUse);
    const std::vector<double> printed = Numbers(fit.summary["parameters"]);
    for (std::size_t i = 0; i < WeightCount; ++i) {
        EXPECT_NEAR(fits->inUse->weights[i], printed[i], 1e-4) << i;
    }
    EXPECT_EQ(fits->inUse->reviews, std::stoll(fit.summary["reviews"]));
}

TEST(FitCli, TheFitTakesAReviewFileOrADryRunAndNothingElse) {
    const TempDir dir;
    const std::vector<std::vector<std::string>> misuses = {
        {"--reviews", Forgetful},
        {"--dry-run"},
        {"--fit", "--reviews", Forgetful, "list.txt"},
        {"--fit", "--reviews", Forgetful, "--due"},
        {"--fit", "--reviews", Forgetful, "--seed", "3"},
        {"--fit", "--set", "retention=0.8"},
        {"--fit", "--settings"},
    };
    for (const std::vector<std::string>& arguments : misuses) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(RunCli(dir, arguments).status, 2);
    }
}

} // namespace
