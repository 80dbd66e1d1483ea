#include "view/board/word_font.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <utility>

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

QFont FontOfPixelSize(int pixelSize, Shaping shaping = Shaping::None) {
    QFont font;
    font.setFamilies(WordFamilies);
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    // Glyph after glyph without kerning, as the classic text calls write.
    font.setKerning(false);
    // The flag alone is not enough: Qt leaves Arabic letters unjoined under it.
    if (shaping == Shaping::None) {
        font.setStyleStrategy(QFont::PreferNoShaping);
    }
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

const WordFont& WordFontOf(int height, Shaping shaping) {
    // Never destroyed: a font released after the application object has gone would reach
    // into Qt's font cache, which goes with it.
    static auto* const fonts = new std::map<std::pair<int, Shaping>, WordFont>;
    const int cell = std::clamp(height, 1, LargestHeight);
    auto found = fonts->find({cell, shaping});
    if (found == fonts->end()) {
        const QFont font = FontOfPixelSize(PixelSizeFor(cell), shaping);
        found = fonts->emplace(std::pair{cell, shaping}, WordFont{font, QFontMetrics(font)}).first;
    }
    return found->second;
}

bool WrittenUnshaped(char32_t character) {
    // Below the combining marks every character is Latin or common; most words end here.
    if (character < 0x0300) {
        return true;
    }
    switch (QChar::script(character)) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        return true;
    default:
        return false;
    }
}

} // namespace

Shaping ShapingFor(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t character = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!WrittenUnshaped(character)) {
            return Shaping::Full;
        }
    }
    return Shaping::None;
}

QFont CreateWordFont(int height, Shaping shaping) {
    return WordFontOf(height, shaping).font;
}

const QFontMetrics& WordFontMetrics(int height, Shaping shaping) {
    return WordFontOf(height, shaping).metrics;
}
