#include "cli_runner.h"
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
    EXPECT_EQ(RunCli(dir, {"--dry-run", "--fit", "--reviews", Forgetful}, home).output, run.output);
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

TEST(FitCli, TheFitTakesAReviewFileAndNothingElse) {
    const TempDir dir;
    const std::vector<std::vector<std::string>> misuses = {
        {"--fit"},
        {"--reviews", Forgetful},
        {"--dry-run", "--fit"},
        {"--fit", "--reviews", Forgetful, "list.txt"},
        {"--fit", "--reviews", Forgetful, "--due"},
        {"--fit", "--reviews", Forgetful, "--seed", "3"},
    };
    for (const std::vector<std::string>& arguments : misuses) {
        SCOPED_TRACE(arguments.back());
        EXPECT_EQ(RunCli(dir, arguments).status, 2);
    }
}

} // namespace
