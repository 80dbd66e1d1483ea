#include "view/word_font.h"

#include <QStringList>

#include <algorithm>
#include <unordered_map>

namespace {

// Keeps a nonsense height from making a font engine per pixel size on the way up.
constexpr int LargestHeight = 1000;

struct WordFont {
    QFont font;
    QFontMetrics metrics;
};

// Liberation Serif stands in for Times New Roman with the same metrics; Noto covers the scripts
// it lacks, so learners of Chinese, Japanese, Thai or Hindi see words instead of boxes.
const QStringList WordFamilies{
    QStringLiteral("Times New Roman"),     QStringLiteral("Liberation Serif"),
    QStringLiteral("Noto Serif"),          QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Noto Serif Thai"),     QStringLiteral("Noto Serif Devanagari"),
    QStringLiteral("Noto Naskh Arabic"),   QStringLiteral("Noto Serif Hebrew"),
    QStringLiteral("Noto Serif Armenian"), QStringLiteral("Noto Serif Georgian"),
    QStringLiteral("Noto Serif Bengali"),  QStringLiteral("Noto Serif Tamil"),
    QStringLiteral("Noto Serif Khmer"),    QStringLiteral("Noto Serif Ethiopic"),
    QStringLiteral("Noto Sans CJK SC"),
};

QFont FontOfPixelSize(int pixelSize) {
    QFont font;
    font.setFamilies(WordFamilies);
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    // Glyph after glyph without kerning, as the classic text calls write; leaving the shaper
    // out where a script does not need it also makes measuring several times faster.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(pixelSize);
    return font;
}

int CellHeight(int pixelSize) {
    const QFontMetrics metrics(FontOfPixelSize(pixelSize));
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose cell is no taller than the height. Ascent and descent are
// rounded separately, so a few heights have no size that matches exactly.
int PixelSizeFor(int height) {
    int pixelSize = std::max(1, height * 9 / 10); // the cell is about 1.1 em
    while (pixelSize > 1 && CellHeight(pixelSize) > height) {
        --pixelSize;
    }
    while (CellHeight(pixelSize + 1) <= height) {
        ++pixelSize;
    }
    return pixelSize;
}

const WordFont& WordFontOf(int height) {
    // Never destroyed: a font released after the application object has gone would reach
    // into Qt's font cache, which goes with it.
    static auto* const fonts = new std::unordered_map<int, WordFont>;
    const int cell = std::clamp(height, 1, LargestHeight);
    auto found = fonts->find(cell);
    if (found == fonts->end()) {
        const QFont font = FontOfPixelSize(PixelSizeFor(cell));
        found = fonts->emplace(cell, WordFont{font, QFontMetrics(font)}).first;
    }
    return found->second;
}

} // namespace

QFont CreateWordFont(int height) {
    return WordFontOf(height).font;
}

const QFontMetrics& WordFontMetrics(int height) {
    return WordFontOf(height).metrics;
}
