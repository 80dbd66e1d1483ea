#include "savegame/atomic_file.h"

#include "game_builder.h"
#include "savegame/save_game.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicFile, ReplacesTheFileAndLeavesNothingElseBehind) {
    TempDir dir;
    const std::string path = dir.Write("game.txt", "old contents that are longer");
    EXPECT_EQ(WriteFileAtomically(path, "new"), AtomicWriteResult::Written);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"game.txt"});
}

TEST(AtomicFile, WritesThroughLinksAndKeepsThem) {
    TempDir dir;
    const std::string real = dir.Write("real.txt", "old");
    fs::create_directory(dir.path() / "links");
    fs::create_symlink("../real.txt", dir.path() / "links" / "relative");
    fs::create_symlink(dir.path() / "links" / "relative", dir.path() / "chain");
    fs::create_symlink("future.txt", dir.path() / "dangling");

    EXPECT_EQ(WriteFileAtomically((dir.path() / "chain").string(), "via chain"),
              AtomicWriteResult::Written);
    EXPECT_EQ(ReadBytes(real), "via chain");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "chain"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "links" / "relative"));

    EXPECT_EQ(WriteFileAtomically((dir.path() / "dangling").string(), "created"),
              AtomicWriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling"));
    EXPECT_EQ(ReadBytes((dir.path() / "future.txt").string()), "created");
}

TEST(AtomicFile, LoopOfLinksCannotBeCreated) {
    TempDir dir;
    fs::create_symlink("b", dir.path() / "a");
    fs::create_symlink("a", dir.path() / "b");
    EXPECT_EQ(WriteFileAtomically((dir.path() / "a").string(), "x"),
              AtomicWriteResult::CannotCreate);
}

TEST(AtomicFile, KeepsTheOldPermissionsAndGivesNewFilesTheUmask) {
    TempDir dir;
    const std::string existing = dir.Write("existing.txt", "old");
    chmod(existing.c_str(), 0640);
    EXPECT_EQ(WriteFileAtomically(existing, "new"), AtomicWriteResult::Written);
    EXPECT_EQ(ModeOf(existing), 0640u);

    const mode_t previous = umask(027);
    const std::string created = (dir.path() / "created.txt").string();
    const AtomicWriteResult result = WriteFileAtomically(created, "new");
    umask(previous);
    EXPECT_EQ(result, AtomicWriteResult::Written);
    EXPECT_EQ(ModeOf(created), 0640u);
}

TEST(AtomicFile, WhatCannotBeWrittenInPlaceIsNotReplaced) {
    TempDir dir;
    EXPECT_EQ(WriteFileAtomically(dir.path().string(), "x"), AtomicWriteResult::CannotCreate);
    EXPECT_EQ(WriteFileAtomically("", "x"), AtomicWriteResult::CannotCreate);
    EXPECT_EQ(WriteFileAtomically((dir.path() / "no" / "such").string(), "x"),
              AtomicWriteResult::CannotCreate);
}

TEST(AtomicFile, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write to read-only files";
    }
    TempDir dir;
    const std::string readOnly = dir.Write("read-only.txt", "kept");
    chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(WriteFileAtomically(readOnly, "x"), AtomicWriteResult::CannotCreate);
    EXPECT_EQ(ReadBytes(readOnly), "kept");
}

// The child saves a game far larger than the file size it may write; the parent checks the
// old file afterwards.
TEST(AtomicFile, InterruptedSaveLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string oldGame = "Glossatiles saved game file: old\r\nGame source file\r\n";
    const std::string path = dir.Write("game.txt", oldGame);
    std::vector<WordPair> pairs(2000, WordPair{"a fairly long word", "its partner"});
    GameState state = MakeGame(pairs, {{0, 0, 0}});

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingHost host;
        const bool saved = SaveGameAsPath(state, host, path);
        const bool reported = host.messages == std::vector<std::string>{"Error writing to file"};
        _exit(!saved && reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with its message";
    EXPECT_EQ(ReadBytes(path), oldGame);
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"game.txt"});
}

} // namespace
