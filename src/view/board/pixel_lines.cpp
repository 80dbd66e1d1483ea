#include "view/board/pixel_lines.h"

#include <algorithm>
#include <cstdlib>

void DrawLineTo(QPainter& painter, QPoint from, QPoint to, const QColor& colour) {
    const QPoint span = to - from;
    if (span.x() == 0 || span.y() == 0) {
        // The last pixel before `to`, then the rectangle between the two ends.
        const QPoint last(to.x() - (span.x() > 0) + (span.x() < 0),
                          to.y() - (span.y() > 0) + (span.y() < 0));
        if (span != QPoint()) {
            const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
            const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
            painter.fillRect(QRect(topLeft, bottomRight), colour);
        }
        return;
    }
    const QPoint step(span.x() > 0 ? 1 : -1, span.y() > 0 ? 1 : -1);
    const int length = std::abs(span.x());
    for (int i = 0; i < length; ++i) {
        painter.fillRect(QRect(from + step * i, QSize(1, 1)), colour);
    }
}
