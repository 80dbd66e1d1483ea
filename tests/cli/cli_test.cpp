#include "cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::string Animals = "Animals\nchat\ncat\nchien\ndog\ncheval\nhorse\n";

TEST(Cli, SummarisesADealtList) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const CliRun run = RunCli(dir, {"--seed", "7", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.summary.at("description"), "Animals");
    EXPECT_EQ(run.summary.at("source"), list);
    EXPECT_EQ(run.summary.at("pairs"), "3");
    EXPECT_EQ(run.summary.at("levels"), "2");
    EXPECT_EQ(run.summary.at("cells"), "20");
    EXPECT_EQ(run.summary.at("tiles"), "6");
    EXPECT_EQ(run.summary.at("correct"), "0");
    EXPECT_EQ(run.errors, "");
}

TEST(Cli, TheSameSeedDealsTheSameBoard) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    for (const char* deal : {"--seed", "--unblocked"}) {
        std::vector<std::string> arguments{"--seed", "3", list};
        if (std::string(deal) == "--unblocked") {
            arguments.insert(arguments.begin(), deal);
        }
        EXPECT_EQ(RunCli(dir, arguments).summary, RunCli(dir, arguments).summary) << deal;
    }
}

TEST(Cli, ReportsAFileThatCannotBeOpened) {
    TempDir dir;
    const std::string missing = (dir.path() / "missing.txt").string();
    const CliRun run = RunCli(dir, {missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "message: Error can't open the file\\n" + missing + "\n");
    EXPECT_EQ(run.summary.at("tiles"), "0");
}

TEST(Cli, RejectsBadUsage) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const std::vector<std::vector<std::string>> cases{
        {}, {"--seed"}, {"--seed", "x1", list}, {"--bogus", list}, {list, list}, {"--save"}};
    for (const auto& arguments : cases) {
        const CliRun run = RunCli(dir, arguments);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(run.errors.find("usage: glossatiles-cli"), std::string::npos);
        EXPECT_TRUE(run.summary.empty());
    }
}

} // namespace

namespace {

TEST(Cli, AutoFinishClearsAnUnblockedDeal) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const CliRun run = RunCli(dir, {"--unblocked", "--auto-finish", "--seed", "11", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.summary.at("tiles"), "0");
    EXPECT_EQ(run.summary.at("hints"), "3");
    EXPECT_EQ(run.summary.at("correct"), "0");
    EXPECT_EQ(run.errors, "");
}

} // namespace

namespace {

TEST(Cli, ASavedGameLoadsBackWithTheSameSummary) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const std::string saved = (dir.path() / "out.txt").string();
    const CliRun save = RunCli(dir, {"--seed", "1", "--save", saved, list});
    ASSERT_EQ(save.status, 0) << save.errors;
    const CliRun load = RunCli(dir, {saved});
    EXPECT_EQ(load.status, 0);
    EXPECT_EQ(load.errors,
              "message: Loaded file OK\\n\\nOringinal game was started from file\\n" + list + "\n");
    EXPECT_EQ(load.summary, save.summary);
}

TEST(Cli, RefusesToSaveOverAWordListAndKeepsIt) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const std::string other = dir.Write("other.txt", "Other\nuno\none\n");
    const CliRun run = RunCli(dir, {"--save", other, list});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("message: Save not allowed"), std::string::npos);
    EXPECT_EQ(ReadBytes(other), "Other\nuno\none\n");
}

} // namespace
