#include "view/board_painter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace {

using namespace std::string_view_literals;

struct DecodeCase {
    std::string_view bytes;
    std::u16string_view text;
};

// Names the case by its bytes in the test list.
void PrintTo(const DecodeCase& c, std::ostream* out) {
    if (c.bytes.empty()) {
        *out << "empty";
    }
    for (const char byte : c.bytes) {
        *out << std::hex << std::uppercase << static_cast<int>(static_cast<unsigned char>(byte))
             << ' ';
    }
}

class DecodeWordTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeWordTest, Decodes) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeWord(c.bytes), QString::fromUtf16(c.text.data(), c.text.size()));
}

INSTANTIATE_TEST_SUITE_P(ValidUtf8, DecodeWordTest,
                         testing::Values(DecodeCase{"", u""}, DecodeCase{"house", u"house"},
                                         DecodeCase{"caf\xC3\xA9", u"caf\u00E9"},
                                         DecodeCase{"\xE2\x82\xAC", u"\u20AC"},
                                         DecodeCase{"\xF0\x9F\x98\x80", u"\U0001F600"},
                                         DecodeCase{"a\0b"sv, u"a\0b"sv}));

INSTANTIATE_TEST_SUITE_P(
    Windows1252, DecodeWordTest,
    testing::Values(DecodeCase{"\x80", u"\u20AC"}, DecodeCase{"caf\xE9", u"caf\u00E9"},
                    DecodeCase{"\x93quoted\x94", u"\u201Cquoted\u201D"},
                    DecodeCase{"\x8A\x9F", u"\u0160\u0178"},
                    DecodeCase{"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
                    DecodeCase{"\xFF", u"\u00FF"}));

// Anything that is not well-formed UTF-8 is read as Windows-1252, byte by byte.
INSTANTIATE_TEST_SUITE_P(
    InvalidUtf8, DecodeWordTest,
    testing::Values(DecodeCase{"\xC3", u"\u00C3"}, DecodeCase{"ab\xC3\x28", u"ab\u00C3("},
                    DecodeCase{"\xC0\xAF", u"\u00C0\u00AF"},
                    DecodeCase{"\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},
                    DecodeCase{"\xE2\x82", u"\u00E2\u201A"},
                    DecodeCase{"\xF8\x88\x80\x80\x80", u"\u00F8\u02C6\u20AC\u20AC\u20AC"}));

} // namespace
