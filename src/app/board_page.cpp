#include "app/board_page.h"

#include "game/game_state.h"
#include "view/board_painter.h"

#include <QPainter>

#include <algorithm>

namespace {
// The board in view pixels, with the left margin mirrored on the right and below.
constexpr int BoardWidth = 920;
constexpr int BoardHeightBelowTop = 479;
} // namespace

void PaintBoardPage(QPainter& painter, const QRect& page, const GameState& state,
                    const BoardPainter& boardPainter) {
    if (!state.HasBoard()) {
        return;
    }
    const qreal height = state.BoardTop + BoardHeightBelowTop;
    const qreal scale = std::min(page.width() / qreal(BoardWidth), page.height() / height);
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    boardPainter.PaintLevels(painter, state);
    painter.restore();
}
