#include "view/board/board_painter.h"
#include "view/board/opaque_text.h"
#include "view/board/word_fitting.h"
#include "view/board/word_font.h"
#include "view/board/word_layout_cache.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

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

TEST(WordFont, TimesNewRomanWhoseCellIsTheRequestedHeight) {
    for (const int height : {6, 20, 22, 60}) {
        const QFontMetrics& metrics = WordFontMetrics(height);
        EXPECT_EQ(metrics.ascent() + metrics.descent(), height) << height;
    }
    const QString used = QFontInfo(CreateWordFont(22)).family();
    EXPECT_TRUE(used == "Times New Roman" || used == "Liberation Serif") << used.toStdString();
}

// The heights tried, in order: 22, then 19 down to 12. A word with no place to break it gets the
// first at which it fits the tile's 160 pixels, or is cut short at 12.
TEST(WordFitting, WordsTakeTheFirstHeightAtWhichTheyFitOrAreCutShort) {
    std::vector<int> tried = {22};
    for (int height = 19; height >= 12; --height) {
        tried.push_back(height);
    }
    for (int length = 5; length <= 90; ++length) {
        const QString word(length, QChar('m'));
        const WordLayout layout = FitWord(word);
        ASSERT_EQ(layout.lines.size(), 1u) << length;
        const TextRun& run = layout.lines.front();
        EXPECT_EQ(run.width, MeasureText(run.text, run.height).width) << length;
        EXPECT_LE(run.width, 160) << length;
        const auto taken = std::find(tried.begin(), tried.end(), run.height);
        ASSERT_NE(taken, tried.end()) << length << " at " << run.height;
        for (auto height = tried.begin(); height != taken; ++height) {
            EXPECT_GT(MeasureText(word, *height).width, 160) << length << " fits at " << *height;
        }
        if (run.text != word) {
            EXPECT_EQ(run.height, 12) << length;
            EXPECT_TRUE(run.text.endsWith(QChar(0x2026))) << length;
            EXPECT_GT(MeasureText(word, 12).width, 160) << length;
        }
    }
    EXPECT_EQ(FitWord("house").lines.front().height, 22);
}

// A phrase wraps onto up to three lines before it shrinks, and is cut short rather than written
// smaller than 12.
TEST(WordFitting, PhrasesWrapAtTheirBreaksAndStayReadable) {
    const QString phrase = QString::fromUtf8("¿Dónde está la estación de tren más cercana?");
    const struct {
        QString text;
        std::size_t fewestLines;
        bool whole;
    } cases[] = {
        {"the pasta", 1, true},
        {phrase, 2, true},
        {phrase + " " + phrase, 3, true},
        {phrase + " " + phrase + " " + phrase + " " + phrase, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const WordLayout layout = FitWord(c.text);
        EXPECT_GE(layout.lines.size(), c.fewestLines);
        EXPECT_LE(layout.lines.size(), 3u);
        EXPECT_LE(layout.Height(), 46);
        QStringList lines;
        for (const TextRun& line : layout.lines) {
            EXPECT_GE(line.height, 12);
            EXPECT_LE(line.width, 160);
            EXPECT_EQ(line.height, layout.lines.front().height);
            lines.append(line.text);
        }
        const QString shown = lines.join(' ');
        if (c.whole) {
            EXPECT_EQ(shown, c.text);
        } else {
            EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
            EXPECT_TRUE(c.text.startsWith(shown.chopped(1)));
        }
    }
    EXPECT_EQ(FitWord("the pasta").lines.front().height, 22); // fits as it always has
}

// Latin, Greek and Cyrillic go unshaped; joining letters and combining marks need the shaper.
TEST(WordFont, OnlyScriptsThatNeedItAreShaped) {
    const std::pair<const char16_t*, Shaping> cases[] = {
        {u"house", Shaping::None},
        {u"caf\u00E9 \u00AB\u00BB", Shaping::None},
        {u"\u03B8\u03AC\u03BB\u03B1\u03C3\u03C3\u03B1", Shaping::None},
        {u"\u043C\u0438\u0440", Shaping::None},
        {u"\U0001F600", Shaping::None},
        {u"cafe\u0301", Shaping::Full},
        {u"\u0628\u064A\u062A", Shaping::Full},
        {u"\u05E9\u05C1\u05DC\u05D5\u05B9\u05DD", Shaping::Full},
        {u"\u0928\u092E\u0938\u094D\u0924\u0947", Shaping::Full},
        {u"house \u0628", Shaping::Full},
    };
    for (const auto& [text, shaping] : cases) {
        EXPECT_EQ(ShapingFor(QString::fromUtf16(text)), shaping)
            << QString::fromUtf16(text).toStdString();
    }
}

// Left and right ends of the dark pixels of a run written on white.
std::pair<int, int> InkSpan(const TextRun& run) {
    QImage image(run.width + 40, run.cellHeight + 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        WriteOpaqueText(painter, QPoint(20, 10), run, Qt::black, Qt::white);
    }
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// Joined, an Arabic word's letters take their narrow initial and medial forms: the word is
// written much narrower than its letters written one by one, and measured as it is written.
TEST(WordText, ArabicLettersAreJoined) {
    const QString word = QString::fromUtf16(u"\u062A\u0643\u062A\u0628\u064A\u0646");
    const TextRun run = MeasureText(word, 22);
    const auto [left, right] = InkSpan(run);
    int letters = 0;
    for (const QChar letter : word) {
        const auto [letterLeft, letterRight] = InkSpan(MeasureText(letter, 22));
        letters += letterRight - letterLeft + 1;
    }
    EXPECT_LT((right - left + 1) * 10, letters * 8) << right - left + 1 << " vs " << letters;
    EXPECT_NEAR(right - left + 1, run.width, 4);
}

// A list of more words than the cache keeps by itself is held whole once the cache is told.
TEST(WordLayoutCache, HoldsAWholeListLargerThanItsUsualRoom) {
    WordLayoutCache cache(4);
    cache.HoldAtLeast(10);
    for (int word = 0; word < 10; ++word) {
        cache.Fitted("w" + std::to_string(word));
    }
    EXPECT_EQ(cache.Size(), 10u);
    cache.Fitted("w0");
    EXPECT_EQ(cache.Size(), 10u);
    cache.Fitted("one more");
    EXPECT_EQ(cache.Size(), 1u);
    cache.HoldAtLeast(2);
    for (int word = 0; word < 4; ++word) {
        cache.Fitted("v" + std::to_string(word));
    }
    EXPECT_EQ(cache.Size(), 1u); // back to its usual room of 4
}

} // namespace
