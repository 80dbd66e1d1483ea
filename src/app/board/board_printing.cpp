#include "app/board/board_printing.h"

#include "game/game_state.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"

#include <QPainter>

#include <algorithm>

namespace {
// The board in view pixels, with the left margin mirrored on the right and below.
constexpr int PageWidth = BoardLeft + BoardColumns * ColumnPitch + BoardLeft;

int PageHeight(int boardTop) {
    return TileTop(boardTop, BoardRows) + TileHeight + BoardLeft;
}
} // namespace

void PaintBoardPage(QPainter& painter, const QRect& page, const GameState& state,
                    const BoardPainter& boardPainter) {
    if (!state.HasBoard()) {
        return;
    }
    const qreal scale = std::min(page.width() / qreal(PageWidth),
                                 page.height() / qreal(PageHeight(state.BoardTop)));
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    boardPainter.PaintLevels(painter, state);
    painter.restore();
}
