#include "words/utf8_check.h"
#include "words/whole_characters.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Check, AcceptsOnlyWellFormedSequences) {
    const struct {
        std::string_view bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"caf\xC3\xA9", true},
        {"\xF0\x9F\x98\x80", true},          // U+1F600
        {"\xF4\x8F\xBF\xBF", true},          // U+10FFFF
        {"\xC0\xAF", false},                 // overlong '/'
        {"\xE0\x80\xAF", false},             // overlong, three bytes
        {"\xED\xA0\x80", false},             // a surrogate
        {"\xF4\x90\x80\x80", false},         // above U+10FFFF
        {"caf\xC3", false},                  // cut short
        {"\xE9t\xE9", false},                // Windows-1252
        {"\xE2\x82", false},                 // a lead and one follower only
        {std::string_view("a\0b", 3), true}, // NUL is a character
    };
    for (const auto& [bytes, valid] : cases) {
        EXPECT_EQ(IsUtf8(bytes), valid) << testing::PrintToString(std::string(bytes));
    }
}

// A cut keeps UTF-8 characters whole, and cuts any other text exactly where asked.
TEST(Utf8Check, CutsFollowTheEncodingOfTheWholeText) {
    EXPECT_EQ(WholeHead("caf\xC3\xA9s", 4), "caf");
    EXPECT_EQ(WholeHead("caf\xE9s\xC3", 4), "caf\xE9");
    EXPECT_EQ(WholeTail("\xC3\xA9t\xC3\xA9", 4), "t\xC3\xA9");
    EXPECT_EQ(WholeTail("\xE9t\xE9\xE9", 3), "t\xE9\xE9");
}

} // namespace
