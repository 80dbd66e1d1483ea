#pragma once

#include "game/board_position.h"

#include <QRect>

#include <optional>

class QWidget;
struct GameState;

// The board as its widget shows it, for what reads or sizes the board without playing on it:
// the accessible board and zoom.
class BoardDisplay {
public:
    virtual const GameState& State() const = 0;
    virtual QWidget& Widget() = 0;
    // Board units per screen pixel; the board is drawn and hit in its own units.
    virtual qreal Scale() const = 0;
    virtual void SetScale(qreal scale) = 0;
    // Where an area of the board lies on the widget.
    virtual QRect ToWidget(const QRect& boardArea) const = 0;
    // The keyboard cursor's stack while it is shown.
    virtual std::optional<BoardPosition> KeyboardCursor() const = 0;

protected:
    ~BoardDisplay() = default;
};
