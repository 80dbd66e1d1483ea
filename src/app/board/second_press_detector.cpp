#include "app/board/second_press_detector.h"

#include <QGuiApplication>
#include <QStyleHints>

bool SecondPressDetector::IsSecondPress(const QMouseEvent& press) {
    const QStyleHints* hints = QGuiApplication::styleHints();
    const QPoint position = press.position().toPoint();
    const bool second =
        !lastWasSecond_ && press.button() == button_ &&
        press.timestamp() - time_ < static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
        (position - position_).manhattanLength() <= hints->mouseDoubleClickDistance();
    button_ = press.button();
    position_ = position;
    time_ = press.timestamp();
    lastWasSecond_ = second;
    return second;
}
