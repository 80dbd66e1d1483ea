#include "view/dialogs/dialog_units.h"

#include <QFontMetricsF>

#include <cmath>

namespace {
const QString Alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    pixelsPerUnitX_ = metrics.horizontalAdvance(Alphabet) / Alphabet.size() / 4.0;
    pixelsPerUnitY_ = metrics.height() / 8.0;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(QPoint(static_cast<int>(std::lround(x * pixelsPerUnitX_)),
                        static_cast<int>(std::lround(y * pixelsPerUnitY_))),
                 Size(width, height));
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(static_cast<int>(std::lround(width * pixelsPerUnitX_)),
                 static_cast<int>(std::lround(height * pixelsPerUnitY_)));
}
