#include "files/open_file.h"
#include "game/game_state.h"
#include "support/games.h"
#include "support/temp_dir.h"
#include "words/out_of_memory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

// A child opens the list with too little address space for it. Its exit code says what it
// found: 0 is a playable game of the pairs read before the out-of-memory message.
TEST(OutOfMemory, AListTooLargeEndsWithAPlayableGameOfThePairsRead) {
    if (AddressSanitizer) {
        GTEST_SKIP() << "the sanitizer needs more address space than the test leaves";
    }
    TempDir dir;
    const int pairs = 2'000'000;
    const std::string path = (dir.path() / "huge.txt").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "A list larger than memory\n";
        for (int i = 0; i < pairs; ++i) {
            out << "word" << i << "\nmot" << i << "\n";
        }
    }
    const pid_t child = fork();
    if (child == 0) {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const std::size_t limit =
            pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + (std::size_t{96} << 20);
        const rlimit memory{limit, limit};
        setrlimit(RLIMIT_AS, &memory);
        GameState state;
        RecordingHost host;
        const OpenResult result = OpenFileAtPath(state, host, path);
        if (host.messages != std::vector<std::string>{std::string(OutOfMemoryReadingNode)}) {
            _exit(2);
        }
        if (state.WordsCount == 0 || state.WordsCount >= pairs) {
            _exit(3);
        }
        _exit(result == OpenResult::Dealt && Tiles(state) == 2 * state.WordsCount ? 0 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
