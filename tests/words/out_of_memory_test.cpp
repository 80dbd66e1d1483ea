#include "game/game_state.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"
#include "words/open_file.h"
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

std::size_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// Opens the list in a child whose address space is too small for it. The child's exit code
// says what it found: 0 a playable game of the pairs read after the out-of-memory message.
int OpenWithLittleMemory(const std::string& path, int pairsInFile) {
    const pid_t child = fork();
    if (child == 0) {
        const std::size_t limit = AddressSpaceInUse() + (std::size_t{96} << 20);
        const rlimit memory{limit, limit};
        setrlimit(RLIMIT_AS, &memory);
        GameState state;
        RecordingHost host;
        const OpenResult result = OpenFileAtPath(state, host, path);
        if (host.messages.size() != 1 || host.messages[0] != OutOfMemoryReadingNode) {
            _exit(2);
        }
        if (state.WordsCount == 0 || state.WordsCount >= pairsInFile) {
            _exit(3);
        }
        const auto tiles = std::count_if(state.AssignmentArray.begin(), state.AssignmentArray.end(),
                                         [](std::int32_t pair) { return pair != NoPair; });
        _exit(result == OpenResult::Dealt && tiles == 2 * state.WordsCount ? 0 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

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
    EXPECT_EQ(OpenWithLittleMemory(path, pairs), 0);
}

} // namespace
