#include "savegame/save_game.h"

#include "savegame/atomic_file.h"
#include "savegame/saved_game_text.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/window_title.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::atomic<bool> watchUmask{false};
std::atomic<int> umaskCalls{0};
} // namespace

// Counts the calls the game makes: setting the umask, even to read it, changes it for every
// thread for a moment.
extern "C" mode_t umask(mode_t mask) noexcept {
    static const auto real = reinterpret_cast<mode_t (*)(mode_t)>(dlsym(RTLD_NEXT, "umask"));
    if (watchUmask) {
        ++umaskCalls;
    }
    return real(mask);
}

namespace {

namespace fs = std::filesystem;

const std::string OldSavedGame = "Glossatiles saved game file: old\r\nGame source file\r\n";

GameState SmallGame() {
    GameState state = MakeGame({{"chat", "cat"}, {"chien", "dog"}}, {{0, 0, 0}, {1, 0, 1}});
    state.FileDescription = "Animals";
    return state;
}

std::string TextOf(GameState state) {
    RecordingHost host;
    return SavedGameText(state, host);
}

TEST(OverwriteGuard, RefusesWhatIsNotASavedGameAndKeepsItsBytes) {
    const std::string refusal = "Save not allowed\n\nYou may only save to an existing saved game "
                                "file\nor to a new file.\n\nThis is to prevent accidental "
                                "overwritting of your word lists.";
    const struct {
        const char* name;
        std::optional<std::string> existing; // nullopt: no file there yet
        bool refused;
    } cases[] = {{"word list", "French animals\r\nchat\r\ncat\r\n", true},
                 {"empty file", "", true},
                 {"blank first line", "\r\n" + OldSavedGame, true},
                 {"saved game", OldSavedGame, false},
                 {"mark without its blank", "Glossatiles saved game file:x", false},
                 {"new file", std::nullopt, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = c.existing ? dir.Write("saved-game.txt", *c.existing)
                                            : (dir.path() / "saved-game.txt").string();
        GameState state = SmallGame();
        RecordingHost host;
        host.filesToSave = {path};
        SaveGameAs(state, host);
        EXPECT_EQ(state.RecordFileName, path);
        if (c.refused) {
            SaveGame(state, host); // the refused name stays, and so does the refusal
            EXPECT_EQ(host.messages, std::vector({refusal, refusal}));
            EXPECT_EQ(ReadBytes(path), *c.existing);
            EXPECT_TRUE(host.titles.empty());
        } else {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(ReadBytes(path), TextOf(state));
            EXPECT_EQ(host.titles, std::vector{WindowTitle(path)});
        }
    }
}

TEST(SaveGame, WithoutARecordFileAsksLikeSaveAsThenWritesWithoutAsking) {
    TempDir dir;
    const std::string path = (dir.path() / "game.txt").string();
    GameState state = SmallGame();
    RecordingHost host;
    EXPECT_FALSE(SaveGame(state, host)); // the chooser is cancelled
    EXPECT_EQ(state.RecordFileName, "");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    host.filesToSave = {path};
    EXPECT_TRUE(SaveGame(state, host));
    EXPECT_EQ(state.RecordFileName, path);
    state.CorrectCount = 7;
    EXPECT_TRUE(SaveGame(state, host)); // asking again would cancel
    EXPECT_EQ(ReadBytes(path), TextOf(state));
    EXPECT_TRUE(host.messages.empty());
}

TEST(SaveGame, NothingToSaveIsReportedBeforeAnyFileIsChosenOrWritten) {
    const std::string noGame = "Can't save when no game is in progress.\n\nNothing to save!";
    const std::string noCells =
        "CellCount = 0\nThis is unexpected when you have a game loaded\n\nNothing to save ?";
    // A failed load leaves no board but the old CellCount; no list outranks no board.
    for (const auto& [hasList, hasBoard, message] :
         {std::tuple{false, true, noGame}, {true, false, noCells}, {false, false, noGame}}) {
        for (const auto command : {SaveGame, SaveGameAs}) {
            TempDir dir;
            GameState state = SmallGame();
            state.RecordFileName = (dir.path() / "game.txt").string();
            if (!hasList) {
                FreeWordList(state.WordList);
            }
            if (!hasBoard) {
                DiscardBoard(state);
            }
            RecordingHost host;
            host.filesToSave = {state.RecordFileName};
            command(state, host);
            EXPECT_EQ(host.messages, std::vector{message});
            EXPECT_EQ(host.filesToSave.size(), 1u);
            EXPECT_TRUE(fs::is_empty(dir.path()));
        }
    }
}

TEST(SaveGame, APathThatCannotBeWrittenIsReported) {
    TempDir dir;
    const std::string tooLong = (dir.path() / std::string(300, 'n')).string();
    const std::string noFolder = (dir.path() / "missing" / "game.txt").string();
    GameState state = SmallGame();
    // Neither the colon nor the odd word may be touched or warned of for a file never written.
    state.WordList[0].TextA = "le: chat";
    state.WordList.push_back({"odd", std::nullopt});
    state.WordsCount = 3;
    RecordingHost host;
    EXPECT_FALSE(SaveGameAsPath(state, host, tooLong));
    EXPECT_EQ(state.RecordFileName, ""); // a path the game cannot hold is not kept
    EXPECT_FALSE(SaveGameAsPath(state, host, noFolder));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(
        host.messages[0].starts_with("The path is longer than 299 characters:\n" + tooLong));
    EXPECT_EQ(host.messages[1], "Error can't create the record file\n" + noFolder);
    EXPECT_EQ(ListText(state.WordList), "le: chat=cat; chien=dog; odd=<none>");
    EXPECT_TRUE(host.titles.empty());
}

TEST(AtomicFile, WritesThroughLinksKeepingThemAndThePermissions) {
    TempDir dir;
    const fs::path& at = dir.path();
    const std::string real = dir.Write("real.txt", "old contents that are longer");
    chmod(real.c_str(), 0600);
    fs::create_directory(at / "links");
    fs::create_symlink("../real.txt", at / "links" / "relative");
    fs::create_symlink(at / "links" / "relative", at / "chain");
    fs::create_symlink("future.txt", at / "dangling");
    EXPECT_EQ(
        WriteFileAtomically((at / "chain").string(), [] { return std::string("new"); }).result,
        AtomicWriteResult::Written);
    const mode_t previous = umask(027);
    watchUmask = true;
    const AtomicWrite created =
        WriteFileAtomically((at / "dangling").string(), [] { return std::string("created"); });
    watchUmask = false;
    umask(previous);
    EXPECT_EQ(umaskCalls, 0);
    EXPECT_EQ(created.result, AtomicWriteResult::Written);
    EXPECT_EQ(created.error, 0);
    EXPECT_EQ(ReadBytes(real) + " " + ReadBytes((at / "future.txt").string()), "new created");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(at / "future.txt").permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(at / "chain") && fs::is_symlink(at / "links" / "relative") &&
                fs::is_symlink(at / "dangling"));
    EXPECT_EQ(std::distance(fs::directory_iterator(at), {}), 5); // nothing left behind
}

TEST(AtomicFile, WhatCannotBeWrittenInPlaceIsNotReplaced) {
    TempDir dir;
    fs::create_symlink("b", dir.path() / "a");
    fs::create_symlink("a", dir.path() / "b");
    const std::string readOnly = dir.Write("read-only.txt", "kept");
    chmod(readOnly.c_str(), 0444);
    // Each with the reason the system gives.
    std::vector<std::pair<std::string, int>> paths{{dir.path().string(), EISDIR},
                                                   {"", ENOENT},
                                                   {(dir.path() / "a").string(), ELOOP},
                                                   {(dir.path() / "no/b.txt").string(), ENOENT}};
    if (geteuid() != 0) {
        paths.emplace_back(readOnly, EACCES); // root may write to read-only files
    }
    for (const auto& [path, error] : paths) {
        const AtomicWrite write = WriteFileAtomically(path, [] { return std::string("x"); });
        EXPECT_EQ(write.result, AtomicWriteResult::CannotCreate) << path;
        EXPECT_EQ(write.error, error) << path;
    }
    EXPECT_EQ(ReadBytes(readOnly), "kept");
}

// The child saves a game far larger than the file size it may write; the parent checks the
// old file afterwards.
TEST(AtomicFile, InterruptedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.Write("game.txt", OldSavedGame);
    GameState state = MakeGame(WordPairList(2000, {"a fairly long word", "its partner"}));
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingHost host;
        const bool saved = SaveGameAsPath(state, host, path);
        _exit(!saved && host.messages == std::vector<std::string>{"Error writing to file"} ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the save did not fail with its message";
    EXPECT_EQ(ReadBytes(path), OldSavedGame);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

} // namespace
