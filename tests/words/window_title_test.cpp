#include "support/games.h"
#include "words/window_title.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Long paths show their last 34 bytes, fewer when that would cut a UTF-8 character in two.
TEST(WindowTitle, ShowsShortPathsWholeAndLongOnesByTheirEndOnWholeCharacters) {
    const std::string a35(35, 'a');
    const std::string cyrillic = Repeat("\xD0\xB4", 20) + "1.txt";
    const std::string emoji = Repeat("\xF0\x9F\x98\x80", 10) + "1.txt";
    const std::string latin1 = "\xE9" + std::string(40, '\xA9');
    const std::pair<std::string, std::string> cases[] = {
        {a35, a35},
        {"b" + a35, "..." + std::string(34, 'a')},
        {cyrillic, "..." + Repeat("\xD0\xB4", 14) + "1.txt"},
        {emoji, "..." + Repeat("\xF0\x9F\x98\x80", 7) + "1.txt"},
        {latin1, "..." + std::string(34, '\xA9')},
    };
    for (const auto& [path, shown] : cases) {
        EXPECT_EQ(WindowTitle(path), "Glossatiles - " + shown) << path;
    }
}

} // namespace
