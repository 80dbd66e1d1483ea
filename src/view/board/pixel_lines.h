#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>

// A one-pixel line from `from` up to, not including, `to`, as the classic MoveTo and LineTo
// draw it. Lines run along a row, a column or a 45-degree diagonal.
void DrawLineTo(QPainter& painter, QPoint from, QPoint to, const QColor& colour);
