#include "cli_runner.h"
#include "learning/calendar_day.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class RoundCli : public testing::Test {
protected:
    // The round records into the progress database: keep it in the test's folder.
    void SetUp() override { setenv("XDG_DATA_HOME", dir.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    TempDir dir;
    const std::string list = dir.Write("animals.txt", "Animals\nperro\ndog\ngato\ncat\n");
    const std::string three =
        dir.Write("three.txt", "Animals\nperro\ndog\ngato\ncat\ncaballo\nhorse\n");
};

std::string InDays(int fromToday) {
    return DayText(LocalDay(std::time(nullptr)) + std::chrono::days(fromToday));
}

TEST_F(RoundCli, PrintsEachVerdictAndASummaryAtTheEndOfInput) {
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
    EXPECT_EQ(RunCli(dir, {"--due", "--all"}).output,
              InDays(1) + "\tgato\tcat\tAnimals\n" + InDays(3) + "\tperro\tdog\tAnimals\n");
    EXPECT_EQ(RunCli(dir, {"--due"}, "faketime -f +1d").output,
              InDays(1) + "\tgato\tcat\tAnimals\n");
    EXPECT_EQ(RunCli(dir, {"--progress", list}).summary.at("games"), "1");
}

TEST_F(RoundCli, AsksTheOtherSideBackwardAndEndsWithTheRound) {
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

TEST_F(RoundCli, RejectsOptionsThatDoNotGoWithARound) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--direction", "forward", list},
          {"--type", "--direction", "sideways", list},
          {"--type", "--save", "out.txt", list},
          {"--type", "--progress", list},
          {"--flashcards", "--type", list},
          {"--choose", "--auto-finish", list},
          {"--flashcards", "--due"}}) {
        const CliRun run = RunCli(dir, arguments, "", "");
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_EQ(run.output, "");
    }
    EXPECT_EQ(RunCli(dir, {"--type", (dir.path() / "missing.txt").string()}, "", "").status, 1);
}

// New cards come in list order. A grade that is none is asked once more; the input ends when
// perro, graded Again, comes back, and what was graded is kept.
TEST_F(RoundCli, FlashcardsShowEachIntervalAndScheduleTheGradeGiven) {
    const CliRun run =
        RunCli(dir, {"--flashcards", "--seed", "1", three}, "", "x\n1\n\n EASY\n\nsoon\ngood\n");
    EXPECT_EQ(run.status, 0);
    const std::string grades =
        "grades: 1 Again · 1 day, 2 Hard · 2 days, 3 Good · 3 days, 4 Easy · 8 days\n";
    EXPECT_EQ(run.output, "front: perro\nback: dog\n" + grades + "verdict: Again: dog\n" +
                              "front: gato\nback: cat\n" + grades + "verdict: Easy: cat\n" +
                              "front: caballo\nback: horse\n" + grades + grades +
                              "verdict: Good: horse\n"
                              "front: perro\n"
                              "pairs: 3\nright-first-try: 2\nright-after-retry: 0\nwrong: 1\n"
                              "time: 0:00\nagain: 1\nhard: 0\ngood: 1\neasy: 1\n");

    EXPECT_EQ(RunCli(dir, {"--due", "--all"}).output,
              InDays(1) + "\tperro\tdog\tAnimals\n" + InDays(3) + "\tcaballo\thorse\tAnimals\n" +
                  InDays(8) + "\tgato\tcat\tAnimals\n");
    EXPECT_EQ(RunCli(dir, {"--due"}, "faketime -f +1d").output,
              InDays(1) + "\tperro\tdog\tAnimals\n");
    // Due cards come before new ones, and two bad grades count as Again.
    const CliRun later = RunCli(dir, {"--flashcards", three}, "faketime -f +1d", "\nmaybe\n9\n");
    EXPECT_EQ(later.output.substr(0, later.output.find('\n')), "front: perro");
    EXPECT_NE(later.output.find("verdict: Again: dog\n"), std::string::npos) << later.output;
    EXPECT_EQ(RunCli(dir, {"--progress", three}).summary.at("games"), "2");
}

TEST_F(RoundCli, ChoicesAreTakenByNumberOrTextAndScheduleGoodOrAgain) {
    const CliRun run =
        RunCli(dir, {"--choose", "--seed", "1", three}, "", "dog\nhorse\nzebra\n7\n cat \n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "Question: perro\n1. cat\n2. dog\n3. horse\n"
                          "verdict: Right: dog\n"
                          "Question: gato\n1. dog\n2. horse\n3. cat\n"
                          "verdict: Wrong: horse (the answer: cat)\n"
                          "Question: caballo\n1. cat\n2. dog\n3. horse\n"
                          "Question: caballo\n1. cat\n2. dog\n3. horse\n"
                          "verdict: Wrong: 7 (the answer: horse)\n"
                          "Question: gato\n1. dog\n2. cat\n3. horse\n"
                          "verdict: Right: cat\n"
                          "Question: caballo\n1. dog\n2. horse\n3. cat\n"
                          "pairs: 3\nright-first-try: 1\nright-after-retry: 1\nwrong: 1\n"
                          "time: 0:00\n");
    EXPECT_EQ(RunCli(dir, {"--due", "--all"}).output, InDays(1) + "\tcaballo\thorse\tAnimals\n" +
                                                          InDays(1) + "\tgato\tcat\tAnimals\n" +
                                                          InDays(3) + "\tperro\tdog\tAnimals\n");

    // A number names the answer at that place even when another answer reads as it.
    const std::string numbers = dir.Write("numbers.txt", "Numbers\nuno\n2\ndos\n1\n");
    const CliRun picked = RunCli(dir, {"--choose", "--seed", "3", numbers}, "", "1\n");
    EXPECT_EQ(picked.output.substr(0, picked.output.find("pairs:")),
              "Question: uno\n1. 1\n2. 2\nverdict: Wrong: 1 (the answer: 2)\n"
              "Question: dos\n1. 2\n2. 1\n");
}

// A side shown by its picture, a side heard, and the pair's note once it is answered.
TEST_F(RoundCli, AsksByPictureOrSoundAndShowsTheNoteOnceAnswered) {
    dir.Write("cat.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    dir.Write("perro.ogg", std::string("OggS\0\x02", 6));
    const std::string media =
        dir.Write("media.txt",
                  "Animals\n[image=cat.png]\ngato [note=f. gata]\nperro [sound=perro.ogg]\ndog\n");
    const std::string folder = std::filesystem::canonical(dir.path()).string();
    const std::string picture = "picture: " + folder + "/cat.png\n";

    // New cards, before any round recorded them.
    const CliRun heard =
        RunCli(dir, {"--flashcards", "--direction", "listen", media}, "", "\n3\n\n3\n");
    const std::string grades =
        "grades: 1 Again · 1 day, 2 Hard · 2 days, 3 Good · 3 days, 4 Easy · 8 days\n";
    EXPECT_EQ(heard.output.substr(0, heard.output.find("pairs:")),
              "play: speech\nback: gato\nnote: f. gata\n" + grades + "verdict: Good: gato\n" +
                  "play: " + folder + "/perro.ogg\nback: perro\n" + grades +
                  "verdict: Good: perro\n");

    const CliRun typed = RunCli(dir, {"--type", "--seed", "1", media}, "", "gato\ndog\n");
    EXPECT_EQ(typed.output.substr(0, typed.output.find("pairs:")),
              "ask: \n" + picture + "verdict: Right: gato\nnote: f. gata\n" +
                  "ask: perro\nverdict: Right: dog\n")
        << typed.errors;

    const CliRun chosen = RunCli(dir, {"--choose", "--seed", "1", media}, "", "gato\n");
    EXPECT_EQ(chosen.output.substr(0, chosen.output.find("Question: perro")),
              "Question: \n" + picture + "1. gato\n2. dog\nverdict: Right: gato\nnote: f. gata\n");
}

} // namespace
