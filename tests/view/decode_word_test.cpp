#include "view/board_painter.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

// Well-formed UTF-8 is read as such; anything else as Windows-1252, byte by byte.
TEST(DecodeWord, Utf8ElseWindows1252) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"", u""},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"a\0b"sv, u"a\0b"sv},
        // Windows-1252
        {"caf\xE9", u"caf\u00E9"},
        {"\x80\x93quoted\x94", u"\u20AC\u201Cquoted\u201D"},
        {"\x8A\x9F\xFF", u"\u0160\u0178\u00FF"},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
        // Not UTF-8: cut short, overlong, a surrogate, too long a sequence.
        {"ab\xC3\x28", u"ab\u00C3("},
        {"\xE2\x82", u"\u00E2\u201A"},
        {"\xC0\xAF", u"\u00C0\u00AF"},
        {"\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},
        {"\xF8\x88\x80\x80\x80", u"\u00F8\u02C6\u20AC\u20AC\u20AC"},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(DecodeWord(bytes), QString::fromUtf16(text.data(), text.size()))
            << testing::PrintToString(std::string(bytes));
    }
}

} // namespace
