#include "view/opaque_text.h"
#include "view/word_fitting.h"
#include "view/word_font.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WordFont, CellHeightIsTheRequestedHeight) {
    for (const int height : {6, 20, 22, 60}) {
        const QFontMetrics& metrics = WordFontMetrics(height);
        EXPECT_EQ(metrics.ascent() + metrics.descent(), height) << height;
    }
    // Rounding leaves a few heights without an exact size: the cell then stays within them.
    for (const int height : {24, 48}) {
        const QFontMetrics& metrics = WordFontMetrics(height);
        EXPECT_LE(metrics.ascent() + metrics.descent(), height) << height;
        EXPECT_GE(metrics.ascent() + metrics.descent(), height - 2) << height;
    }
}

TEST(WordFont, IsTimesNewRomanOrItsMetricTwin) {
    const QFont font = CreateWordFont(22);
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
    const QString used = QFontInfo(font).family();
    EXPECT_TRUE(used == "Times New Roman" || used == "Liberation Serif") << used.toStdString();
}

TEST(WordFont, NonsenseHeightsStillGiveAFont) {
    for (const int height : {0, -5, 100000}) {
        EXPECT_GT(WordFontMetrics(height).ascent(), 0) << height;
    }
}

// The heights tried, in order: 22, then 19 down to 7; below that 6 is taken whatever.
std::vector<int> TriedHeights() {
    std::vector<int> heights = {22};
    for (int height = 19; height >= 7; --height) {
        heights.push_back(height);
    }
    return heights;
}

TEST(WordFitting, ShortWordKeepsTheFullHeight) {
    const TextRun run = FitWordFont("house");
    EXPECT_EQ(run.height, 22);
    EXPECT_LE(run.width, 160);
    EXPECT_EQ(run.text, "house");
}

TEST(WordFitting, LongerWordsTakeTheFirstHeightAtWhichTheyFit) {
    for (int length = 8; length <= 90; ++length) {
        const QString word(length, QChar('m'));
        SCOPED_TRACE(length);
        const TextRun run = FitWordFont(word);
        EXPECT_NE(run.height, 21);
        EXPECT_NE(run.height, 20);
        for (const int tried : TriedHeights()) {
            if (tried == run.height) {
                EXPECT_LE(run.width, 160);
                break;
            }
            EXPECT_GT(MeasureText(word, tried).width, 160) << "fits at " << tried;
        }
        EXPECT_EQ(run.width, MeasureText(word, run.height).width);
    }
}

TEST(WordFitting, VeryLongWordEndsAtSixStillTooWide) {
    const TextRun run = FitWordFont(QString(200, QChar('m')));
    EXPECT_EQ(run.height, 6);
    EXPECT_GT(run.width, 160);
}

} // namespace
