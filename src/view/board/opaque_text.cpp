#include "view/board/opaque_text.h"

#include "view/board/word_font.h"

#include <utility>

namespace {
// Glyphs such as 'j' and 'f' reach a pixel or so past their cell. Anything further is cut, so
// that a word never changes pixels beyond InkBounds.
constexpr int Overhang = 2;
} // namespace

TextRun MeasureText(QString text, int height) {
    const Shaping shaping = ShapingFor(text);
    const QFontMetrics& metrics = WordFontMetrics(height, shaping);
    const int width = metrics.horizontalAdvance(text);
    return {std::move(text), height, width, metrics.ascent(), metrics.ascent() + metrics.descent(),
            shaping};
}

TextRun MeasureTextWithin(const QString& text, int height, int width) {
    TextRun run = MeasureText(text, height);
    if (run.width <= width) {
        return run;
    }
    return MeasureText(
        WordFontMetrics(height, run.shaping).elidedText(run.text, Qt::ElideRight, width), height);
}

QRect OpaqueBox(QPoint origin, const TextRun& run) {
    return {origin.x(), origin.y(), run.width, run.cellHeight};
}

QRect InkBounds(QPoint origin, const TextRun& run) {
    return OpaqueBox(origin, run).adjusted(-Overhang, -Overhang, Overhang, Overhang);
}

void WriteOpaqueText(QPainter& painter, QPoint origin, const TextRun& run, const QColor& ink,
                     const QColor& background) {
    painter.fillRect(OpaqueBox(origin, run), background);
    painter.save();
    painter.setClipRect(InkBounds(origin, run), Qt::IntersectClip);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(CreateWordFont(run.height, run.shaping));
    painter.setPen(ink);
    painter.drawText(origin + QPoint(0, run.ascent), run.text);
    painter.restore();
}
