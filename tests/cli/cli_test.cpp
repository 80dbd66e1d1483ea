#include "cli_runner.h"
#include "glossatiles_project.h"
#include "support/temp_dir.h"

#include "learning/list_fingerprint.h"
#include "learning/sqlite_progress_store.h"

#include <gtest/gtest.h>

namespace {

const std::string Animals = "Animals\nchat\ncat\nchien\ndog\ncheval\nhorse\n";

TEST(Cli, SummarisesADealAndDealsAlikeForTheSameSeed) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const CliRun run = RunCli(dir, {"--seed", "7", list});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(
        Summary(run, {"description", "pairs", "levels", "cells", "tiles", "correct", "hints"}),
        "description=Animals pairs=3 levels=2 cells=20 tiles=6 correct=0 hints=0");
    EXPECT_EQ(run.summary.at("source"), list);
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--seed", "3", list}, {"--unblocked", "--seed", "3", list}}) {
        EXPECT_EQ(RunCli(dir, arguments).summary, RunCli(dir, arguments).summary) << arguments[0];
    }
    const CliRun finished = RunCli(dir, {"--unblocked", "--auto-finish", "--seed", "11", list});
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.errors, "");
    EXPECT_EQ(Summary(finished, {"tiles", "hints", "correct"}), "tiles=0 hints=3 correct=0");
}

TEST(Cli, RejectsBadUsage) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const std::vector<std::vector<std::string>> usages{
        {},           {"--seed"}, {"--seed", "x1", list}, {"--bogus", list},
        {list, list}, {"--save"}, {"--export"},           {"--progress", "--seed", "1", list}};
    for (const std::vector<std::string>& arguments : usages) {
        const CliRun run = RunCli(dir, arguments);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_NE(run.errors.find("usage: glossatiles-cli"), std::string::npos);
        EXPECT_TRUE(run.summary.empty());
    }
}

// Help and version are answered on standard output, even beside a file, which is not opened.
TEST(Cli, HelpAndVersionAnswerWithoutOpeningTheFile) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    const std::string version = "glossatiles-cli " + std::string(GlossatilesVersion) + "\n";
    for (const auto& [arguments, expected] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--version"}, version},
             {{"--seed", "3", list, "--version"}, version},
             {{"--help"}, "usage: glossatiles-cli"},
             {{list, "--help"}, "usage: glossatiles-cli"}}) {
        const CliRun run = RunCli(dir, arguments);
        EXPECT_EQ(run.status, 0) << testing::PrintToString(arguments);
        EXPECT_EQ(run.output.substr(0, expected.size()), expected);
        EXPECT_EQ(run.errors, "");
        EXPECT_FALSE(run.summary.contains("pairs"));
    }
}

TEST(Cli, ASavedGameLoadsBackWithTheSameSummaryButIsNeverSavedOverAWordList) {
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

    const CliRun refused = RunCli(dir, {"--save", list, saved});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("message: Save not allowed"), std::string::npos);
    EXPECT_EQ(ReadBytes(list), Animals);
}

// Each format opens with exactly its pairs: the native list --export writes shows them.
TEST(Cli, ImportedListsOpenWithTheirPairsAndExportsReadBack) {
    TempDir dir;
    const std::string pairs = "chat\ncat\nchien\ndog\n";
    const std::pair<std::string, std::string> files[] = {
        {"anki.txt", "#separator:tab\n#html:true\n<b>chat</b>\tcat\nchien\tdog&nbsp;\n"},
        {"sheet.csv", "\xEF\xBB\xBF"
                      "chat;cat\r\n\"chien\";\"dog\"\r\n"},
        {"words.kvtml", "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries>"
                        "<entry><translation id=\"0\"><text>chat</text></translation>"
                        "<translation id=\"1\"><text>cat</text></translation></entry>"
                        "<entry><translation id=\"0\"><text>chien</text></translation>"
                        "<translation id=\"1\"><text>dog</text></translation></entry>"
                        "</entries></kvtml>"},
    };
    const std::string out = (dir.path() / "out.txt").string();
    for (const auto& [name, bytes] : files) {
        const CliRun run = RunCli(dir, {"--unblocked", "--export", out, dir.Write(name, bytes)});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.errors, "") << name;
        EXPECT_EQ(Summary(run, {"pairs", "tiles"}), "pairs=2 tiles=4") << name;
        EXPECT_EQ(ReadBytes(out), name + "\n" + pairs);
    }
    // Native to CSV to kvtml to TSV and back to native keeps every pair.
    std::string from = dir.Write("animals.txt", Animals);
    for (const char* to : {"a.csv", "a.kvtml", "a.tsv", "a.txt"}) {
        const std::string next = (dir.path() / to).string();
        ASSERT_EQ(RunCli(dir, {"--export", next, from}).status, 0) << to;
        from = next;
    }
    EXPECT_EQ(ReadBytes(from), "a.tsv\nchat\ncat\nchien\ndog\ncheval\nhorse\n");
}

TEST(Cli, ProgressPrintsTheListsGamesAndHardestPairsOrFailsOnADamagedDatabase) {
    TempDir dir;
    const std::string list = dir.Write("animals.txt", Animals);
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    const std::string database = DefaultProgressPath();
    EXPECT_EQ(RunCli(dir, {"--progress", list}).summary.at("games"), "0");

    const WordPairList pairs{{"chat", "cat"}, {"chien", "dog"}, {"cheval", "horse"}};
    ASSERT_TRUE(SqliteProgressStore(database).Record(
        {list,
         ListFingerprint(pairs),
         1765000000,
         95,
         3,
         3,
         3,
         0,
         0,
         false,
         0,
         {{"chat", "cat", 3, 0, 0}, {"chien", "dog", 0, 0, 0}, {"cheval", "horse", 0, 0, 0}}}));
    const CliRun run = RunCli(dir, {"--progress", list});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(Summary(run, {"database", "games", "game", "hardest"}),
              "database=" + database +
                  " games=1 game=2025-12-06 05:46 UTC, 1:35, 3 pairs, 3 correct, 3 wrong, 50% "
                  "accuracy, 0 hints, 0 peeks, unassisted, 0 undos hardest=chat = cat, missed 3 "
                  "times in 1 game, last 2025-12-06 05:46 UTC");

    std::ofstream(database, std::ios::trunc) << std::string(2048, '\x7f');
    const CliRun damaged = RunCli(dir, {"--progress", list});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.errors.find("error: cannot read " + database), std::string::npos)
        << damaged.errors;
}

} // namespace
