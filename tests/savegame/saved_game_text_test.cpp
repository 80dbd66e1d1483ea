#include "savegame/saved_game_text.h"

#include "support/games.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace {

GameState AnimalsAfterOneMatch() {
    GameState state = MakeGame({{"chat", "cat"}, {"chien", "dog"}}, {{1, 1, 0}, {4, 1, 1}});
    state.FileDescription = "French animals";
    state.ListPath = "C:\\words\\animals.txt";
    state.CorrectCount = 1;
    state.WrongCount = 2;
    return state;
}

TEST(SavedGameText, SmallGameIsWrittenByteForByte) {
    GameState state = AnimalsAfterOneMatch();
    RecordingHost host; // its clock stands at 2008-02-03 13:05 UTC
    EXPECT_EQ(SavedGameText(state, host),
              "Glossatiles saved game file: French animals\r\n"
              "Game source file\r\n"
              "C:\\words\\animals.txt\r\n"
              "Time 13:05 03-02-2008\r\n"
              "Correct:1\r\n"
              "Wrong:2\r\n"
              "Hints:0\r\n"
              "Start of ArrayTop section *************************\r\n"
              "Index:0:chat:cat\r\n"
              "Index:1:chien:dog\r\n"
              "End of ArrayTop section *************************\r\n"
              "Start of ArrayIndex section *************************\r\n"
              "CellCount 5\r\n"
              "Array:0:ArrayTop:-1:AB:-1\r\n"
              "Array:1:ArrayTop:1:AB:0\r\n"
              "Array:2:ArrayTop:-1:AB:-1\r\n"
              "Array:3:ArrayTop:-1:AB:-1\r\n"
              "Array:4:ArrayTop:1:AB:1\r\n"
              "End of ArrayIndex section *************************\r\n");
    EXPECT_TRUE(host.messages.empty());
}

// Colons become dashes, in the list as well; a missing word is warned of.
TEST(SavedGameText, PairLinesTakeTheFormOfTheirWords) {
    const std::string warning = "Warning there appears to be a missing word\nin the word pairs.";
    const struct {
        WordPair pair;
        std::string line;
        WordPair pairAfterSave;
        bool warned;
    } cases[] = {{{"chat", "cat"}, "Index:0:chat:cat", {"chat", "cat"}, false},
                 {{"a:b", "c::d"}, "Index:0:a-b:c--d", {"a-b", "c--d"}, false},
                 {{"a:b", {}}, "Index:0:a-b:Missing word", {"a-b", {}}, true},
                 {{{}, "dog"}, "Index:0::dog", {{}, "dog"}, true},
                 {{}, "Index:0::Missing word", {}, true},
                 {{"", ""}, "Index:0::", {"", ""}, false}};
    for (const auto& c : cases) {
        GameState state = MakeGame({c.pair});
        RecordingHost host;
        const std::string text = SavedGameText(state, host);
        EXPECT_NE(text.find("*\r\n" + c.line + "\r\nEnd of ArrayTop"), std::string::npos) << text;
        EXPECT_EQ(state.WordList.front().TextA, c.pairAfterSave.TextA) << c.line;
        EXPECT_EQ(state.WordList.front().TextB, c.pairAfterSave.TextB) << c.line;
        EXPECT_EQ(host.messages, std::vector<std::string>(c.warned ? 1 : 0, warning)) << c.line;
    }
}

TEST(SavedGameText, TimeIsUniversal) {
    const char* zone = std::getenv("TZ");
    const std::optional<std::string> savedZone =
        zone ? std::optional<std::string>(zone) : std::nullopt;
    setenv("TZ", "XST-9", 1); // nine hours ahead: local time would show a later hour and date
    tzset();
    const std::pair<std::time_t, std::string> clocks[] = {
        {1202043900, "Time 13:05 03-02-2008"},
        {1230755400, "Time 20:30 31-12-2008"},
        {0, "Time 00:00 01-01-1970"},
        {std::numeric_limits<std::time_t>::max(), "Time 00:00 01-01-1970"}}; // beyond the calendar
    for (const auto& [now, line] : clocks) {
        GameState state = AnimalsAfterOneMatch();
        RecordingHost host;
        host.now = now;
        EXPECT_NE(SavedGameText(state, host).find("\r\n" + line + "\r\nCorrect:"),
                  std::string::npos)
            << now;
    }
    savedZone ? setenv("TZ", savedZone->c_str(), 1) : unsetenv("TZ");
    tzset();
}

} // namespace
