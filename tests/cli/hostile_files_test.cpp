#include "cli_runner.h"
#include "files/open_file.h"
#include "support/games.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
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

// Opens the file through the core and through the command-line tool, and checks that neither
// changed a byte of it and that both told the user the same things.
std::unique_ptr<Opened> OpenBothWays(const TempDir& dir, const std::string& path) {
    const bool isFile = std::filesystem::is_regular_file(path);
    const std::string before = isFile ? ReadBytes(path) : "";
    auto opened = std::make_unique<Opened>();
    opened->result = OpenFileAtPath(opened->state, opened->host, path);
    opened->cli = RunCli(dir, {path});
    EXPECT_EQ(isFile ? ReadBytes(path) : "", before);
    // Messages in the order they came, then the notes that stayed up.
    const auto lines = [](const char* kind, const std::vector<std::string>& texts) {
        std::vector<std::string> said;
        for (const std::string& text : texts) {
            std::string line = kind;
            for (const char c : text) {
                line += c == '\n' ? std::string("\\n") : std::string(1, c);
            }
            said.push_back(line);
        }
        return said;
    };
    std::vector<std::string> notes;
    for (const auto& [topic, note] : opened->host.notes) {
        notes.push_back(note);
    }
    std::vector<std::string> said = lines("message: ", opened->host.messages);
    for (std::string& note : lines("note: ", notes)) {
        said.push_back(std::move(note));
    }
    std::vector<std::string> cliSaid;
    std::istringstream errors(opened->cli.errors);
    for (std::string line; std::getline(errors, line);) {
        cliSaid.push_back(line);
    }
    std::stable_partition(cliSaid.begin(), cliSaid.end(),
                          [](const std::string& line) { return line.starts_with("message: "); });
    std::sort(said.begin() + static_cast<std::ptrdiff_t>(opened->host.messages.size()), said.end());
    std::sort(std::find_if(cliSaid.begin(), cliSaid.end(),
                           [](const std::string& line) { return line.starts_with("note: "); }),
              cliSaid.end());
    EXPECT_EQ(cliSaid, said);
    const bool ok = opened->result == OpenResult::Dealt || opened->result == OpenResult::Loaded;
    EXPECT_EQ(opened->cli.status, ok ? 0 : 1);
    return opened;
}

TEST(HostileFiles, FilesWithNulBytesAreNotTextAndLoneCarriageReturnsAreReadAsText) {
    TempDir dir;
    for (const std::string& path : {Data + "/binary.dat", Data + "/nul-bytes.txt"}) {
        const auto opened = OpenBothWays(dir, path);
        EXPECT_EQ(opened->result, OpenResult::Failed);
        EXPECT_EQ(opened->host.messages,
                  std::vector<std::string>{"This is not a text file:\n" + path +
                                           "\n\nWord lists and saved games are plain text."});
    }
    // A NUL byte beyond the first 64 KB is read as part of a word.
    const std::string late = "Late\n" + std::string(1 << 16, 'w') + std::string("\n\0\n", 3);
    EXPECT_EQ(OpenBothWays(dir, dir.Write("late.txt", late))->result, OpenResult::Dealt);
    // One line of text, its description: no pair to deal.
    const auto lone = OpenBothWays(dir, Data + "/lone-cr.txt");
    EXPECT_EQ(lone->result, OpenResult::Failed);
    EXPECT_EQ(lone->host.messages,
              std::vector<std::string>{"No word pairs found in " + Data + "/lone-cr.txt"});
}

// Words are read in pieces of 998 bytes; the rest of a longer line makes further words, and a
// note says how many lines were split.
TEST(HostileFiles, LongLinesAreSplitIntoPiecesOf998) {
    TempDir dir;
    for (const auto& [length, pairs] :
         {std::pair<std::size_t, int>{997, 1}, {998, 1}, {999, 2}, {2000, 2}}) {
        const std::string word(length, 'w');
        const auto opened = OpenBothWays(dir, dir.Write("long.txt", "Long\n" + word + "\nend\n"));
        EXPECT_EQ(opened->result, OpenResult::Dealt);
        EXPECT_EQ(opened->state.WordsCount, pairs) << length;
        EXPECT_EQ(opened->state.WordList[0].TextA->size(), std::min<std::size_t>(998, length));
    }
    const std::size_t length = 50'000'000;
    const std::string path = (dir.path() / "one-line.txt").string();
    std::ofstream(path, std::ios::binary) << std::string(length, 'x');
    const auto opened = OpenBothWays(dir, path);
    const std::size_t words = (length - 998 + 997) / 998; // after the description's piece
    EXPECT_EQ(opened->state.FileDescription, std::string(299, 'x'));
    // A file that is no word list does not pass in silence.
    EXPECT_EQ(opened->host.notes[NoteTopic::LinesSplit],
              "1 line of " + path + " is longer than 998 bytes; it was read as several words.");
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

TEST(HostileFiles, TwentyDigitNumbersStopAtTheLimitsAndCellsNamingNoPairStayEmpty) {
    TempDir dir;
    const auto counters = OpenBothWays(dir, Data + "/saved-20-digit-counters.txt");
    EXPECT_EQ(counters->result, OpenResult::Loaded);
    EXPECT_EQ(std::vector({counters->state.CorrectCount, counters->state.WrongCount,
                           counters->state.HintCount}),
              std::vector({INT32_MAX, INT32_MIN, 42}));
    const auto opened = OpenBothWays(dir, Data + "/saved-hostile-cells.txt");
    EXPECT_EQ(opened->result, OpenResult::Loaded);
    EXPECT_EQ(opened->state.AssignmentArray,
              (std::vector<std::int32_t>{NoPair, NoPair, 1, 1, NoPair}));
    EXPECT_EQ(std::vector(opened->state.AssignmentAB.begin() + 2, opened->state.AssignmentAB.end()),
              std::vector({INT32_MAX, INT32_MIN, 0}));
    const std::vector<std::string>& messages = opened->host.messages;
    ASSERT_EQ(messages.size(), 7u);
    EXPECT_EQ(messages[0], "Possible odd number of words in function GetWordPairPointer");
    EXPECT_EQ(messages[1],
              "Possible odd number of words in function Loadplayedgame -5\nGetWordPairPointer "
              "returned NULL");
    EXPECT_NE(messages[3].find(" 2147483647\n"), std::string::npos);
    EXPECT_NE(messages[5].find(" -2147483648\n"), std::string::npos);
}

// Every cut keeps the first line, by which File > Open knows a saved game.
TEST(HostileFiles, ASavedGameCutAtAnyLineLoadsOrSaysWhyAndCellLinesBeyondItAreIgnored) {
    TempDir dir;
    std::string game = ReadBytes(Data + "/saved-game-small.txt");
    for (std::size_t end = game.find('\n'); end != std::string::npos;
         end = game.find('\n', end + 1)) {
        const std::string cut = game.substr(0, end + 1);
        SCOPED_TRACE(cut);
        const auto opened = OpenBothWays(dir, dir.Write("cut.txt", cut));
        ASSERT_FALSE(opened->host.messages.empty());
        const std::string& last = opened->host.messages.back();
        if (opened->result == OpenResult::Loaded) {
            EXPECT_TRUE(last.starts_with("Loaded file OK"));
        } else {
            EXPECT_TRUE(last.ends_with("does not appear to be a valid Glossatiles saved game.") ||
                        last.ends_with("WordsCount or CellCount is zero."))
                << last;
        }
    }
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

TEST(HostileFiles, AFileThatCannotBeReadIsReported) {
    TempDir dir;
    const std::string path = dir.Write("secret.txt", "Secret\na\nb\n");
    chmod(path.c_str(), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0) { // permissions do not stop root
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

TEST(HostileFiles, AMissingFileAFolderAPipeADeviceOrAPathOfAThousandCharactersIsRefused) {
    TempDir dir;
    std::filesystem::path folder = dir.path();
    while (folder.string().size() < 1000) {
        folder /= std::string(200, 'd');
    }
    std::filesystem::create_directories(folder);
    const std::string deep = (folder / "list.txt").string();
    std::ofstream(deep) << "Deep\na\nb\n";
    const auto deepOpened = OpenBothWays(dir, deep);
    ASSERT_EQ(deepOpened->host.messages.size(), 1u);
    EXPECT_TRUE(deepOpened->host.messages[0].starts_with(
        "The path is longer than 299 characters:\n" + deep));
    EXPECT_FALSE(deepOpened->state.HasBoard());
    const std::string pipe = (dir.path() / "pipe").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {(dir.path() / "missing.txt").string(), dir.path().string(),
                                    pipe, std::string("/dev/zero")}) {
        alarm(60); // a pipe without a writer would make the open wait for ever
        const auto opened = OpenBothWays(dir, path);
        alarm(0);
        EXPECT_EQ(opened->result, OpenResult::Failed);
        EXPECT_EQ(opened->host.messages,
                  std::vector<std::string>{"Error can't open the file\n" + path});
        EXPECT_EQ(opened->cli.summary.at("tiles"), "0");
    }
}

} // namespace
