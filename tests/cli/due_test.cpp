#include "cli_runner.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include "files/open_file.h"
#include "learning/learning_session.h"
#include "learning/sqlite_progress_store.h"

#include <gtest/gtest.h>

namespace {

// Plays on the real clock and keeps each won game in the progress store.
class PlayingHost : public RecordingHost {
public:
    PlayingHost(const GameState& state, ProgressStore& store) : state_(state), session_(store) {
        now = std::time(nullptr);
    }
    void OnPlayEvent(const PlayEvent& event) override {
        RecordingHost::OnPlayEvent(event);
        session_.Hear(state_, *this, event, CurrentTime());
    }

private:
    const GameState& state_;
    LearningSession session_;
};

std::string DueDayText(int fromToday) {
    return DayText(LocalDay(std::time(nullptr)) + std::chrono::days(fromToday));
}

// Wins the game in `state` on the real clock, recorded in the progress database of
// XDG_DATA_HOME: row 4 holds chat=cat at columns 1 and 3, chien=dog at 2 and 4. chat is picked
// with dog, missed (Again); then both are matched, chien cleanly (Good).
void PlayWithChatMissed(GameState& state) {
    SqliteProgressStore store(DefaultProgressPath());
    PlayingHost host(state, store);
    const auto click = [&](int column) {
        LeftButtonDown(state, host, PixelX(column), PixelY(4));
        LeftButtonUp(state, host);
    };
    host.OnPlayEvent({PlayEventKind::GameStarted});
    click(1), click(2), click(1);
    click(1), click(3), click(2), click(4);
    ASSERT_TRUE(EnglishText(store.Problem()).empty()) << EnglishText(store.Problem());
}

void PlayBoardWithChatMissed() {
    GameState state = MakeGame({{"chat", "cat"}, {"chien", "dog"}}, {{CellIndex(1, 1, 4), 0, 0},
                                                                     {CellIndex(1, 3, 4), 0, 1},
                                                                     {CellIndex(1, 2, 4), 1, 0},
                                                                     {CellIndex(1, 4, 4), 1, 1}});
    state.FileDescription = "Animals";
    PlayWithChatMissed(state);
}

TEST(CliDue, AGamePlayedTodayBringsEachPairBackOnItsDay) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    PlayBoardWithChatMissed();

    const std::string missed = "\tchat\tcat\tAnimals\n";
    const std::string clean = "\tchien\tdog\tAnimals\n";
    struct Case {
        std::vector<std::string> arguments;
        const char* launcher;
        std::string listed;
    };
    const Case cases[] = {
        {{"--due", "--all"}, "", DueDayText(1) + missed + DueDayText(3) + clean},
        {{"--due"}, "", ""},
        {{"--due"}, "faketime -f +1d", DueDayText(1) + missed},
        {{"--due"}, "faketime -f +3d", DueDayText(1) + missed + DueDayText(3) + clean},
        {{"--due", "--on", DueDayText(2)}, "", DueDayText(1) + missed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments) + c.launcher);
        const CliRun run = RunCli(dir, c.arguments, c.launcher);
        EXPECT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(run.output, c.listed);
    }

    std::ofstream(DefaultProgressPath(), std::ios::trunc) << std::string(2048, '\x7f');
    const CliRun damaged = RunCli(dir, {"--due"});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.errors.find("error: cannot read"), std::string::npos) << damaged.errors;
}

// A game saved before its list was sorted finds its pairs in the list by their words.
TEST(CliDue, ASavedGameLoadedAfterItsListWasSortedGradesItsOwnPairs) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    const std::string list = dir.Write("animals.txt", "Animals\nchien\ndog\nchat\ncat\n");
    const std::string saved = dir.Write(
        "game.sav", "Glossatiles saved game file: Animals\r\nGame source file\r\n" + list +
                        "\r\nTime 10:00 01-01-2026\r\nCorrect:0\r\nWrong:0\r\nHints:0\r\n"
                        "Start of ArrayTop section *************************\r\n"
                        "Index:0:chat:cat\r\nIndex:1:chien:dog\r\n"
                        "End of ArrayTop section *************************\r\n"
                        "Start of ArrayIndex section *************************\r\nCellCount 5\r\n"
                        "Array:0:ArrayTop:0:AB:0\r\nArray:1:ArrayTop:1:AB:0\r\n"
                        "Array:2:ArrayTop:0:AB:1\r\nArray:3:ArrayTop:1:AB:1\r\n"
                        "Array:4:ArrayTop:-1:AB:-1\r\n"
                        "End of ArrayIndex section *************************\r\n");
    GameState state;
    RecordingHost host;
    ASSERT_EQ(OpenFileAtPath(state, host, saved), OpenResult::Loaded);
    PlayWithChatMissed(state);
    const CliRun run = RunCli(dir, {"--due", "--all"});
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(run.output,
              DueDayText(1) + "\tchat\tcat\tAnimals\n" + DueDayText(3) + "\tchien\tdog\tAnimals\n");
}

// The board above, and a typing round of the same list with both answers right.
TEST(CliDue, ATypedRoundOnTheBoardsDayGivesTheRoundsGradeWhicheverCameFirst) {
    const Day today = LocalDay(std::time(nullptr));
    const std::optional<Schedule> never;
    struct Case {
        const char* name;
        bool roundFirst;
        const char* roundLauncher;
        // What the schedule counts, for chat and for chien.
        Schedule chat;
        Schedule chien;
    };
    const Schedule roundOnly = Review(never, today, Grade::Good);
    const Day tomorrow = today + std::chrono::days(1);
    const Case cases[] = {
        {"board, then round", false, "", roundOnly, roundOnly},
        {"round, then board", true, "", roundOnly, roundOnly},
        {"board, then round tomorrow", false, "faketime -f +1d",
         Review(Review(never, today, Grade::Again), tomorrow, Grade::Good),
         Review(Review(never, today, Grade::Good), tomorrow, Grade::Good)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
        const std::string list = dir.Write("animals.txt", "Animals\nchat\ncat\nchien\ndog\n");
        const auto typeBoth = [&] {
            const CliRun run =
                RunCli(dir, {"--type", "--seed", "1", list}, c.roundLauncher, "cat\ndog\n");
            EXPECT_EQ(Summary(run, {"right-first-try", "wrong"}), "right-first-try=2 wrong=0")
                << run.output;
        };
        if (c.roundFirst) {
            typeBoth();
        }
        PlayBoardWithChatMissed();
        if (!c.roundFirst) {
            typeBoth();
        }
        const std::string chat = DayText(c.chat.due) + "\tchat\tcat\tAnimals\n";
        const std::string chien = DayText(c.chien.due) + "\tchien\tdog\tAnimals\n";
        EXPECT_EQ(RunCli(dir, {"--due", "--all"}).output,
                  c.chien.due < c.chat.due ? chien + chat : chat + chien);
    }
    unsetenv("XDG_DATA_HOME");
}

} // namespace
