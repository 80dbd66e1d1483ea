#pragma once

#include <QMouseEvent>
#include <QPoint>

// Tells the second press of a double-click from a press of its own. Qt delivers that press as
// an ordinary one before its double-click event, but in this game it must do nothing: a
// double-click on a tile selects it once and leaves it selected.
class SecondPressDetector {
public:
    // Call for every press, in order.
    bool IsSecondPress(const QMouseEvent& press);

private:
    Qt::MouseButton button_ = Qt::NoButton;
    QPoint position_;
    quint64 time_ = 0;
    // The press before was itself the second of a double-click: the next starts afresh.
    bool lastWasSecond_ = false;
};
