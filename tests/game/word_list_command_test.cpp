#include "game/game_state.h"
#include "game/word_list_command.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace {

TEST(WordListCommand, ShowsTheListOrSaysThereIsNone) {
    GameState state;
    RecordingHost host;
    ShowLoadedWordList(state, host);
    state.WordList.push_back({"chat", "cat"});
    ShowLoadedWordList(state, host);
    EXPECT_EQ(host.messages, (std::vector<std::string>{
                                 "There is no word list loaded\nUse File > Open to open a list"}));
    EXPECT_EQ(host.wordListShown, 1);
}

} // namespace
