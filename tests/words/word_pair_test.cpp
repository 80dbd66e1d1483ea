#include "support/recording_host.h"
#include "words/window_title.h"
#include "words/word_pair.h"

#include <gtest/gtest.h>

namespace {

TEST(GetWordPairPointer, EmptyListGivesNoneQuietly) {
    RecordingHost host;
    EXPECT_EQ(GetWordPairPointer({}, host, 0), nullptr);
    EXPECT_TRUE(host.messages.empty());
}

TEST(GetWordPairPointer, PastTheEndGivesNoneWithAMessage) {
    RecordingHost host;
    const WordPairList list{{"a", "b"}, {"c", "d"}};
    EXPECT_EQ(GetWordPairPointer(list, host, 1), &list[1]);
    EXPECT_TRUE(host.messages.empty());
    for (int n : {2, -5}) {
        EXPECT_EQ(GetWordPairPointer(list, host, n), nullptr);
    }
    EXPECT_EQ(host.messages, std::vector<std::string>(
                                 2, "Possible odd number of words in function GetWordPairPointer"));
}

TEST(WindowTitle, ShowsShortPathsWholeAndLongOnesByTheirEnd) {
    const std::string path35(35, 'a');
    const std::string path36 = "b" + path35;
    EXPECT_EQ(WindowTitle(path35), "Glossatiles - " + path35);
    EXPECT_EQ(WindowTitle(path36), "Glossatiles - ..." + std::string(34, 'a'));
    EXPECT_EQ(WindowTitle(""), "Glossatiles - ");
}

} // namespace
