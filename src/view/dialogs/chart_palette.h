#pragma once

class QChart;
class QPalette;

// Gives `chart` the light or dark look of `palette`, with its window colour behind it, so that
// a chart does not stand out as a white block on a dark desktop.
void FollowPalette(QChart& chart, const QPalette& palette);
