#pragma once

#include <QFont>
#include <QFontMetrics>

// The one face of the program's own drawing: "Times New Roman", for which Liberation Serif
// stands in with the same metrics. The height is the character cell, ascent plus descent, as
// a positive height asks of the classic font mapper. Fonts are made once per height and kept.
//
// Words of the Latin, Greek and Cyrillic scripts are written glyph after glyph, unshaped, which
// measures several times faster; any other script may need its letters joined or its marks
// placed, so it goes through the shaper.
enum class Shaping { None, Full };
Shaping ShapingFor(const QString& text);

// The height of the word that a practice round shows.
constexpr int RoundWordHeight = 48;

QFont CreateWordFont(int height, Shaping shaping = Shaping::None);
const QFontMetrics& WordFontMetrics(int height, Shaping shaping = Shaping::None);
