#include "words/window_title.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowTitle, ShowsShortPathsWholeAndLongOnesByTheirEnd) {
    const std::string path35(35, 'a');
    EXPECT_EQ(WindowTitle(path35), "Glossatiles - " + path35);
    EXPECT_EQ(WindowTitle("b" + path35), "Glossatiles - ..." + std::string(34, 'a'));
}

} // namespace
