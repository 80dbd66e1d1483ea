#pragma once

#include <QFont>
#include <QRect>

// Lays out the game's dialogs in dialog units: a quarter of the font's average character width
// across and an eighth of its height down, so the layout grows with the font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    double pixelsPerUnitX_;
    double pixelsPerUnitY_;
};
