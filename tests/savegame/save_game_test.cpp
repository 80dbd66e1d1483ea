#include "savegame/save_game.h"

#include "game_builder.h"
#include "savegame/overwrite_guard.h"
#include "savegame/saved_game_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Refusal = "Save not allowed\n\nYou may only save to an existing saved game file\n"
                            "or to a new file.\n\nThis is to prevent accidental overwritting of "
                            "your word lists.";
const std::string NoGame = "Can't save when no game is in progress.\n\nNothing to save!";
const std::string NoCells =
    "CellCount = 0\nThis is unexpected when you have a game loaded\n\nNothing to save ?";
const std::string OldSavedGame = "Glossatiles saved game file: old\r\nGame source file\r\n";

GameState SmallGame() {
    GameState state = MakeGame({{"chat", "cat"}, {"chien", "dog"}}, {{0, 0, 0}, {1, 0, 1}});
    state.FileDescription = "Animals";
    return state;
}

std::string ExpectedFile(GameState state) {
    RecordingHost host;
    return SavedGameText(state, host);
}

// Every temporary path below is longer than 35 bytes.
constexpr const char* GameFile = "saved-game-of-animals.txt";

std::string LongTitle(const std::string& path) {
    return "Glossatiles - ..." + path.substr(path.size() - 34);
}

struct GuardCase {
    const char* name;
    std::optional<std::string> existing; // nullopt: no file there yet
    bool refused;
};

// Tests are listed by name, not by their bytes.
std::ostream& operator<<(std::ostream& out, const GuardCase& c) {
    return out << c.name;
}

class OverwriteGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(OverwriteGuard, RefusesWhatIsNotASavedGameAndKeepsItsBytes) {
    const GuardCase& c = GetParam();
    TempDir dir;
    const std::string path =
        c.existing ? dir.Write(GameFile, *c.existing) : (dir.path() / GameFile).string();
    GameState state = SmallGame();
    RecordingHost host;
    host.filesToSave = {path};
    SaveGameAs(state, host);

    EXPECT_EQ(state.RecordFileName, path);
    EXPECT_EQ(IsProtectedFile(path), c.refused);
    if (c.refused) {
        EXPECT_EQ(host.messages, std::vector{Refusal});
        EXPECT_EQ(ReadBytes(path), *c.existing);
        EXPECT_TRUE(host.titles.empty());
        SaveGame(state, host); // the refused name stays, and so does the refusal
        EXPECT_EQ(host.messages, std::vector({Refusal, Refusal}));
    } else {
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(ReadBytes(path), ExpectedFile(state));
        EXPECT_EQ(host.titles, std::vector{LongTitle(path)});
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaveGame, OverwriteGuard,
    testing::Values(GuardCase{"WordList", "French animals\r\nchat\r\ncat\r\n", true},
                    GuardCase{"EmptyFile", "", true},
                    GuardCase{"BlankFirstLine", "\r\n" + OldSavedGame, true},
                    GuardCase{"SavedGame", OldSavedGame, false},
                    GuardCase{"MarkWithoutBlank", "Glossatiles saved game file:x", false},
                    GuardCase{"NewFile", std::nullopt, false}),
    [](const auto& info) { return info.param.name; });

TEST(OverwriteGuard, LetsThroughWhatCannotBeReadAsAFile) {
    TempDir dir;
    EXPECT_FALSE(IsProtectedFile(dir.path().string()));
    EXPECT_FALSE(IsProtectedFile((dir.path() / "missing").string()));
    EXPECT_TRUE(IsProtectedFile(dir.Write("long", std::string(2000, 'x'))));
    EXPECT_FALSE(IsProtectedFile(
        dir.Write("saved", "Glossatiles saved game file: " + std::string(2000, 'x') + "\r\n")));
}

TEST(SaveGame, WithoutARecordFileAsksLikeSaveAsThenWritesWithoutAsking) {
    TempDir dir;
    const std::string path = (dir.path() / GameFile).string();
    GameState state = SmallGame();
    RecordingHost host;
    host.filesToSave = {path};
    SaveGame(state, host);
    EXPECT_EQ(state.RecordFileName, path);
    EXPECT_TRUE(host.filesToSave.empty());

    state.CorrectCount = 7;
    SaveGame(state, host);
    EXPECT_EQ(ReadBytes(path), ExpectedFile(state));
    EXPECT_EQ(host.titles, std::vector(2, LongTitle(path)));
    EXPECT_TRUE(host.messages.empty());
}

TEST(SaveGame, SaveAsCancelledChangesNothing) {
    TempDir dir;
    GameState state = SmallGame();
    state.RecordFileName = (dir.path() / "kept.txt").string();
    RecordingHost host;
    SaveGameAs(state, host);
    EXPECT_EQ(state.RecordFileName, (dir.path() / "kept.txt").string());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.titles.empty());
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

struct RefusalCase {
    const char* name;
    bool (*command)(GameState&, GameHost&);
    bool hasList;
    bool hasBoard;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) {
    return out << c.name;
}

class NothingToSave : public testing::TestWithParam<RefusalCase> {};

TEST_P(NothingToSave, IsReportedBeforeAnyFileIsChosenOrWritten) {
    const RefusalCase& c = GetParam();
    TempDir dir;
    const std::string path = (dir.path() / "game.txt").string();
    GameState state = SmallGame();
    state.RecordFileName = path;
    if (!c.hasList) {
        FreeWordList(state.WordList);
    }
    if (!c.hasBoard) {
        DiscardBoard(state); // CellCount keeps the old board's size, as after a failed load
    }
    RecordingHost host;
    host.filesToSave = {path};
    c.command(state, host);
    EXPECT_EQ(host.messages, std::vector{c.message});
    EXPECT_EQ(host.filesToSave.size(), 1u);
    EXPECT_FALSE(fs::exists(path));
}

INSTANTIATE_TEST_SUITE_P(
    SaveGame, NothingToSave,
    testing::Values(RefusalCase{"SaveNoList", SaveGame, false, true, NoGame},
                    RefusalCase{"SaveAsNoList", SaveGameAs, false, true, NoGame},
                    RefusalCase{"SaveNoBoard", SaveGame, true, false, NoCells},
                    RefusalCase{"SaveAsNoBoard", SaveGameAs, true, false, NoCells}),
    [](const auto& info) { return info.param.name; });

TEST(SaveGame, NoListOutranksNoBoard) {
    GameState state;
    RecordingHost host;
    EXPECT_FALSE(SaveGameAsPath(state, host, "never-written.txt"));
    EXPECT_EQ(host.messages, std::vector{NoGame});
}

TEST(SaveGame, PathTooLongForTheRecordFileIsRefusedAndNotKept) {
    TempDir dir;
    const std::string path = (dir.path() / std::string(300, 'n')).string();
    GameState state = SmallGame();
    RecordingHost host;
    EXPECT_FALSE(SaveGameAsPath(state, host, path));
    EXPECT_TRUE(state.RecordFileName.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(path), std::string::npos);
}

TEST(SaveGame, FileThatCannotBeCreatedIsReportedWithItsPath) {
    TempDir dir;
    const std::string path = (dir.path() / "missing" / "game.txt").string();
    GameState state = SmallGame();
    RecordingHost host;
    EXPECT_FALSE(SaveGameAsPath(state, host, path));
    EXPECT_EQ(host.messages, std::vector{"Error can't create the record file\n" + path});
    EXPECT_TRUE(host.titles.empty());
}

TEST(SaveGame, TitleShowsAShortPathWhole) {
    TempDir dir;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    const std::string name35(35, 's');
    GameState state = SmallGame();
    RecordingHost host;
    EXPECT_TRUE(WriteSavedGame(state, host, name35));
    EXPECT_TRUE(WriteSavedGame(state, host, name35 + "t"));
    fs::current_path(previous);
    EXPECT_EQ(host.titles,
              std::vector<std::string>(
                  {"Glossatiles - " + name35, "Glossatiles - ..." + name35.substr(2) + "t"}));
}

} // namespace
