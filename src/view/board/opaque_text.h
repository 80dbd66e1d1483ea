#pragma once

#include "view/board/word_font.h"

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

// A text measured in the word font at one height, with what writing it needs to know.
struct TextRun {
    QString text;
    int height = 0;
    int width = 0;
    int ascent = 0;
    int cellHeight = 0;
    Shaping shaping = Shaping::None;
};

TextRun MeasureText(QString text, int height);
// The same, cut short with an ellipsis where it is wider than `width`.
TextRun MeasureTextWithin(const QString& text, int height, int width);

// The box a run fills with its background when its top-left corner is at `origin`.
QRect OpaqueBox(QPoint origin, const TextRun& run);
// All that writing the run may change: the box and a little overhang of the glyphs.
QRect InkBounds(QPoint origin, const TextRun& run);

// Fills the box with the background, then the glyphs in ink over it.
void WriteOpaqueText(QPainter& painter, QPoint origin, const TextRun& run, const QColor& ink,
                     const QColor& background);
