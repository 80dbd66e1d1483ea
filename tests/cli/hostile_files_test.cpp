#include "cli_runner.h"
#include "game/game_state.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "words/open_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string Data = GLOSSATILES_TEST_DATA;

struct Opened {
    OpenResult result;
    GameState state;
    RecordingHost host;
    CliRun cli;
};

std::int64_t Tiles(const GameState& state) {
    return std::count_if(state.AssignmentArray.begin(), state.AssignmentArray.end(),
                         [](std::int32_t pair) { return pair != NoPair; });
}

std::string Escaped(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
        text.replace(at, 1, "\\n");
    }
    return text;
}

// Opens the file through the core and through the command-line tool, and checks that neither
// changed a byte of it and that both told the user the same things.
std::unique_ptr<Opened> OpenBothWays(const TempDir& dir, const std::string& path) {
    const bool isFile = std::filesystem::is_regular_file(path);
    const std::string before = isFile ? ReadBytes(path) : "";
    auto opened = std::make_unique<Opened>();
    opened->result = OpenFileAtPath(opened->state, opened->host, path);
    opened->cli = RunCli(dir, {path});
    EXPECT_EQ(isFile ? ReadBytes(path) : "", before);
    std::string messages;
    for (const std::string& message : opened->host.messages) {
        messages += "message: " + Escaped(message) + "\n";
    }
    EXPECT_EQ(opened->cli.errors, messages);
    const bool ok = opened->result == OpenResult::Dealt || opened->result == OpenResult::Loaded;
    EXPECT_EQ(opened->cli.status, ok ? 0 : 1);
    return opened;
}

TEST(HostileFiles, ABinaryFileIsReadAsWordsWithoutHarm) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, Data + "/binary.dat");
    EXPECT_EQ(opened->result, OpenResult::Dealt);
    EXPECT_EQ(Tiles(opened->state), 2 * opened->state.WordsCount);
}

TEST(HostileFiles, NulBytesStayInsideWords) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, Data + "/nul-bytes.txt");
    ASSERT_EQ(opened->state.WordsCount, 2);
    EXPECT_EQ(opened->state.WordList[0].TextA, std::string("ch\0at", 5));
    EXPECT_EQ(opened->state.WordList[1].TextB, std::string("\0\0", 2));
}

TEST(HostileFiles, ALoneCarriageReturnDoesNotEndALine) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, Data + "/lone-cr.txt");
    EXPECT_EQ(opened->state.FileDescription, "Classic Mac list\rchat\rcat\rchien\rdog");
    EXPECT_EQ(opened->state.WordsCount, 0);
}

struct LineLengthCase {
    std::size_t length;
    int pairs;
};

class LongLines : public testing::TestWithParam<LineLengthCase> {};

// Words are read in pieces of 998 bytes; the rest of a longer line makes further words.
TEST_P(LongLines, SplitIntoPiecesOf998) {
    TempDir dir;
    const std::string word(GetParam().length, 'w');
    const auto opened = OpenBothWays(dir, dir.Write("long.txt", "Long\n" + word + "\nend\n"));
    EXPECT_EQ(opened->result, OpenResult::Dealt);
    EXPECT_EQ(opened->state.WordsCount, GetParam().pairs);
    EXPECT_EQ(opened->state.WordList[0].TextA->size(), std::min<std::size_t>(998, word.size()));
}

INSTANTIATE_TEST_SUITE_P(AroundThePieceSize, LongLines,
                         testing::Values(LineLengthCase{997, 1}, LineLengthCase{998, 1},
                                         LineLengthCase{999, 2}, LineLengthCase{2000, 2}));

TEST(HostileFiles, AFiftyMegabyteLineBecomesManyWords) {
    TempDir dir;
    const std::size_t length = 50'000'000;
    const std::string path = (dir.path() / "one-line.txt").string();
    std::ofstream(path, std::ios::binary) << std::string(length, 'x');
    const auto opened = OpenBothWays(dir, path);
    const std::size_t rest = length - 998;
    const std::size_t words = rest / 998 + (rest % 998 != 0 ? 1 : 0);
    EXPECT_EQ(opened->state.FileDescription, std::string(299, 'x'));
    EXPECT_EQ(opened->state.WordsCount, static_cast<int>((words + 1) / 2));
    EXPECT_EQ(opened->cli.summary.at("pairs"), std::to_string((words + 1) / 2));
}

TEST(HostileFiles, AMillionPairsAreAllDealt) {
    TempDir dir;
    const std::string path = (dir.path() / "million.txt").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "A million pairs\n";
        for (int i = 0; i < 1'000'000; ++i) {
            out << 'a' << i << "\nb" << i << '\n';
        }
    }
    const auto opened = OpenBothWays(dir, path);
    EXPECT_EQ(opened->state.WordsCount, 1'000'000);
    EXPECT_EQ(Tiles(opened->state), 2'000'000);
    EXPECT_EQ(opened->cli.summary.at("tiles"), "2000000");
}

TEST(HostileFiles, TwentyDigitCountersStopAtTheLimits) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, Data + "/saved-20-digit-counters.txt");
    EXPECT_EQ(opened->result, OpenResult::Loaded);
    EXPECT_EQ(opened->state.CorrectCount, INT32_MAX);
    EXPECT_EQ(opened->state.WrongCount, INT32_MIN);
    EXPECT_EQ(opened->state.HintCount, 42);
}

TEST(HostileFiles, CellLinesNamingNoPairLeaveTheirCellsEmpty) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, Data + "/saved-hostile-cells.txt");
    EXPECT_EQ(opened->result, OpenResult::Loaded);
    EXPECT_EQ(opened->state.AssignmentArray,
              (std::vector<std::int32_t>{NoPair, NoPair, 1, 1, NoPair}));
    EXPECT_EQ(opened->state.AssignmentAB[2], INT32_MAX);
    EXPECT_EQ(opened->state.AssignmentAB[3], INT32_MIN);
    EXPECT_EQ(opened->state.AssignmentAB[4], 0);
    const std::vector<std::string>& messages = opened->host.messages;
    ASSERT_EQ(messages.size(), 7u);
    EXPECT_EQ(messages[0], "Possible odd number of words in function GetWordPairPointer");
    EXPECT_EQ(messages[1],
              "Possible odd number of words in function Loadplayedgame -5\nGetWordPairPointer "
              "returned NULL");
    EXPECT_NE(messages[3].find(" 2147483647\n"), std::string::npos);
    EXPECT_NE(messages[5].find(" -2147483648\n"), std::string::npos);
}

std::string SmallSavedGame() {
    return ReadBytes(Data + "/saved-game-small.txt");
}

TEST(HostileFiles, ThousandsOfCellLinesBeyondTheBoardAreIgnored) {
    TempDir dir;
    std::string game = SmallSavedGame();
    std::string extra;
    for (int cell = 5; cell < 5000; ++cell) {
        extra += "Array:" + std::to_string(cell) + ":ArrayTop:7:AB:0\r\n";
    }
    game.insert(game.rfind("End of ArrayIndex"), extra);
    const auto opened = OpenBothWays(dir, dir.Write("long-game.txt", game));
    EXPECT_EQ(opened->result, OpenResult::Loaded);
    EXPECT_EQ(opened->host.messages.size(), 1u);
    EXPECT_EQ(Tiles(opened->state), 4);
}

// Every cut keeps the first line, by which File > Open knows a saved game.
TEST(HostileFiles, ASavedGameCutAtAnyLineLoadsOrSaysWhy) {
    TempDir dir;
    const std::string game = SmallSavedGame();
    for (std::size_t end = game.find('\n'); end != std::string::npos;
         end = game.find('\n', end + 1)) {
        const std::string cut = game.substr(0, end + 1);
        SCOPED_TRACE(cut);
        const auto opened = OpenBothWays(dir, dir.Write("cut.txt", cut));
        ASSERT_FALSE(opened->host.messages.empty());
        const std::string& last = opened->host.messages.back();
        if (opened->result == OpenResult::Loaded) {
            EXPECT_EQ(last.rfind("Loaded file OK", 0), 0u);
        } else {
            EXPECT_TRUE(last.ends_with("does not appear to be a valid Glossatiles saved game.") ||
                        last.ends_with("WordsCount or CellCount is zero."))
                << last;
        }
    }
}

TEST(HostileFiles, AFileThatCannotBeReadIsReported) {
    TempDir dir;
    const std::string path = dir.Write("secret.txt", "Secret\na\nb\n");
    chmod(path.c_str(), 0);
    // Permissions do not stop root: read as an ordinary user then.
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) {
            _exit(2);
        }
        GameState state;
        RecordingHost host;
        const bool reported =
            OpenFileAtPath(state, host, path) == OpenResult::Failed &&
            host.messages == std::vector<std::string>{"Error can't open the file\n" + path};
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    chmod(path.c_str(), 0644);
    EXPECT_EQ(ReadBytes(path), "Secret\na\nb\n");
}

TEST(HostileFiles, AFolderIsNotAFile) {
    TempDir dir;
    const auto opened = OpenBothWays(dir, dir.path().string());
    EXPECT_EQ(opened->result, OpenResult::Failed);
    EXPECT_EQ(opened->host.messages,
              std::vector<std::string>{"Error can't open the file\n" + dir.path().string()});
}

TEST(HostileFiles, APathOfAThousandCharactersIsRefused) {
    TempDir dir;
    std::filesystem::path folder = dir.path();
    while (folder.string().size() < 1000) {
        folder /= std::string(200, 'd');
    }
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "list.txt").string();
    std::ofstream(path) << "Deep\na\nb\n";
    const auto opened = OpenBothWays(dir, path);
    EXPECT_EQ(opened->result, OpenResult::Failed);
    ASSERT_EQ(opened->host.messages.size(), 1u);
    EXPECT_EQ(opened->host.messages[0].rfind("The path is longer than 299 characters:\n", 0), 0u);
}

} // namespace
