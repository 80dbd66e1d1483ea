#include "view/opaque_text.h"
#include "view/word_fitting.h"
#include "view/word_font.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(WordFont, TimesNewRomanWhoseCellIsTheRequestedHeight) {
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
    const QString used = QFontInfo(CreateWordFont(22)).family();
    EXPECT_TRUE(used == "Times New Roman" || used == "Liberation Serif") << used.toStdString();
}

// The heights tried, in order: 22, then 19 down to 6. A word gets the first at which it fits the
// tile's 160 pixels, or 6 however wide it is then.
TEST(WordFitting, WordsTakeTheFirstHeightAtWhichTheyFit) {
    const TextRun shortWord = FitWordFont("house");
    EXPECT_EQ(shortWord.height, 22);
    EXPECT_EQ(shortWord.text, "house");
    std::vector<int> tried = {22};
    for (int height = 19; height >= 6; --height) {
        tried.push_back(height);
    }
    for (int length = 8; length <= 90; ++length) {
        const QString word(length, QChar('m'));
        const TextRun run = FitWordFont(word);
        EXPECT_EQ(run.width, MeasureText(word, run.height).width) << length;
        const auto taken = std::find(tried.begin(), tried.end(), run.height);
        ASSERT_NE(taken, tried.end()) << length << " at " << run.height;
        EXPECT_TRUE(run.height == 6 || run.width <= 160) << length;
        for (auto height = tried.begin(); height != taken; ++height) {
            EXPECT_GT(MeasureText(word, *height).width, 160) << length << " fits at " << *height;
        }
    }
    const TextRun veryLong = FitWordFont(QString(200, QChar('m')));
    EXPECT_EQ(veryLong.height, 6);
    EXPECT_GT(veryLong.width, 160);
}

} // namespace
