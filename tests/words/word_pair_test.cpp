#include "game/game_state.h"
#include "support/recording_host.h"
#include "words/window_title.h"
#include "words/word_list_command.h"
#include "words/word_pair.h"

#include <gtest/gtest.h>

namespace {

TEST(GetWordPairPointer, GivesTheEntryOrNoneWithAMessageUnlessTheListIsEmpty) {
    RecordingHost host;
    const WordPairList list{{"a", "b"}, {"c", "d"}};
    EXPECT_EQ(GetWordPairPointer({}, host, 0), nullptr);
    EXPECT_EQ(GetWordPairPointer(list, host, 1), &list[1]);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(GetWordPairPointer(list, host, 2), nullptr);
    EXPECT_EQ(GetWordPairPointer(list, host, -5), nullptr);
    EXPECT_EQ(host.messages, std::vector<std::string>(
                                 2, "Possible odd number of words in function GetWordPairPointer"));
}

TEST(WindowTitle, ShowsShortPathsWholeAndLongOnesByTheirEnd) {
    const std::string path35(35, 'a');
    EXPECT_EQ(WindowTitle(path35), "Glossatiles - " + path35);
    EXPECT_EQ(WindowTitle("b" + path35), "Glossatiles - ..." + std::string(34, 'a'));
}

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
