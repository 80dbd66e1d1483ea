#pragma once

#include "view/board/opaque_text.h"

#include <QString>

#include <vector>

// A word as a tile shows it: one to three lines at one height, each no wider than the tile's
// 160 pixels.
struct WordLayout {
    std::vector<TextRun> lines;

    int Height() const;
};

// The word at the first height, of 22 and then 19 down to 12, at which it fits on one line or,
// wrapped where lines may break, on as many lines as the tile has room for. A word that fits
// nowhere is written at 12 and cut short with "…".
WordLayout FitWord(const QString& word);
