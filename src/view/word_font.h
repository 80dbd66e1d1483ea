#pragma once

#include <QFont>
#include <QFontMetrics>

// The one face of the program's own drawing: "Times New Roman", for which Liberation Serif
// stands in with the same metrics. The height is the character cell, ascent plus descent, as
// a positive height asks of the classic font mapper. Fonts are made once per height and kept.
QFont CreateWordFont(int height);
const QFontMetrics& WordFontMetrics(int height);
