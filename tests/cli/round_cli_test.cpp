#include "cli_runner.h"
#include "learning/calendar_day.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class TypingCli : public testing::Test {
protected:
    // The round records into the progress database: keep it in the test's folder.
    void SetUp() override { setenv("XDG_DATA_HOME", dir.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nperro\ndog\ngato\ncat\n");
};

TEST_F(TypingCli, PrintsEachVerdictAndASummaryAtTheEndOfInput) {
    const CliRun run =
        RunCli(dir, {"--type", "--seed", "1", "--direction", "forward", list}, "", "dog\nkat\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "ask: perro\n"
                          "verdict: Right: dog\n"
                          "ask: gato\n"
                          "verdict: Wrong: cat\n"
                          "typed: [k]at\n"
                          "ask: gato\n"
                          "pairs: 2\n"
                          "right-first-try: 1\n"
                          "right-after-retry: 0\n"
                          "wrong: 1\n"
                          "time: 0:00\n");

    // The pair answered wrong comes back tomorrow, the one right at once in three days; the
    // round is a game of the list.
    const auto day = [](int fromToday) {
        return DayText(LocalDay(std::time(nullptr)) + std::chrono::days(fromToday));
    };
    EXPECT_EQ(RunCli(dir, {"--due", "--all"}).output,
              day(1) + "\tgato\tcat\tAnimals\n" + day(3) + "\tperro\tdog\tAnimals\n");
    EXPECT_EQ(RunCli(dir, {"--due"}, "faketime -f +1d").output, day(1) + "\tgato\tcat\tAnimals\n");
    EXPECT_EQ(RunCli(dir, {"--progress", list}).summary.at("games"), "1");
}

TEST_F(TypingCli, AsksTheOtherSideBackwardAndEndsWithTheRound) {
    const std::string words = dir.Write("words.txt", "Words\ncaf\xE9\ncoffee\ncaballo\nhorse\n");
    const CliRun run = RunCli(dir, {"--type", "--seed", "1", "--direction", "backward", words}, "",
                              "cafe\ncaballos\nmore\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("ask: coffee\nverdict: Mind the accents: café\ntyped: caf[e]\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("ask: horse\nverdict: Almost: caballo\ntyped: caballo[s]\n"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(Summary(run, {"pairs", "right-first-try", "wrong"}),
              "pairs=2 right-first-try=2 wrong=0");
}

TEST_F(TypingCli, RejectsOptionsThatDoNotGoWithARound) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--direction", "forward", list},
          {"--type", "--direction", "sideways", list},
          {"--type", "--save", "out.txt", list},
          {"--type", "--progress", list}}) {
        const CliRun run = RunCli(dir, arguments, "", "");
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_EQ(run.output, "");
    }
    EXPECT_EQ(RunCli(dir, {"--type", (dir.path() / "missing.txt").string()}, "", "").status, 1);
}

} // namespace
