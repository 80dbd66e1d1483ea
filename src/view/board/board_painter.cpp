#include "view/board/board_painter.h"

#include "game/board_geometry.h"
#include "game/game_state.h"
#include "view/board/board_pixels.h"
#include "view/board/tile_pictures.h"

#include <QPen>

#include <array>

namespace {

const QColor LevelWordBackground(7, 255, 208);
const QColor WrongMarkColour(255, 0, 0);
constexpr int WrongMarkHeight = 60;
// Words hang from a fixed line below the tile's top, whatever their height, and are centred
// on the tile's middle.
constexpr int WordCentre = 90;
constexpr int WordDrop = 20;
// The wrong mark's corner, from the tile's corner.
constexpr QPoint WrongMarkOffset(53, 2);

bool CanPaintLevels(const GameState& state) {
    return !state.WordList.empty() && state.HasBoard();
}

QPoint WordOrigin(const QRect& tile, const TextRun& run) {
    return {tile.left() + WordCentre - run.width / 2, tile.top() + WordDrop};
}

// Per position the level of the tile a bottom-up pass paints last there, or 0 for none. A cell
// whose pair lacks its word gets no picture, so it does not count.
std::array<std::int32_t, BoardPositions> TopPaintedLevels(const GameState& state) {
    std::array<std::int32_t, BoardPositions> top{};
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            for (std::int32_t level = FirstLevelCovering(row); level <= state.LevelCount; ++level) {
                if (WordShownAt(state, CellIndex(level, column, row)) != nullptr) {
                    top[static_cast<std::size_t>(PositionIndex(column, row))] = level;
                    break;
                }
            }
        }
    }
    return top;
}

} // namespace

// Making the pictures here spares the first repaint the work.
BoardPainter::BoardPainter() {
    EmptyPlacePicture();
}

void BoardPainter::DrawBoardTile(QPainter& painter, const QImage& picture, const QRect& tile,
                                 const std::string& word, const QColor& background) const {
    painter.drawImage(tile.topLeft(), picture);
    const TextRun& run = words_.Fitted(word);
    WriteOpaqueText(painter, WordOrigin(tile, run), run, Qt::black, background);
}

void BoardPainter::PaintLevel(QPainter& painter, const GameState& state, int level) const {
    // A level beyond the board has no cells; Draw Level can ask for one all the same.
    if (!CanPaintLevels(state) || level < 1 || level > state.LevelCount) {
        return;
    }
    const QImage& picture = LevelPicture(level);
    for (int row = FirstRowOf(level); row <= LastRowOf(level); ++row) {
        for (int column = 1; column <= BoardColumns; ++column) {
            if (const std::string* word = WordShownAt(state, CellIndex(level, column, row))) {
                DrawBoardTile(painter, picture, TileRect(state.BoardTop, column, row), *word,
                              LevelWordBackground);
            }
        }
    }
}

void BoardPainter::PaintLevels(QPainter& painter, const GameState& state) const {
    // Both words of every pair, and what a peek shows of each.
    words_.HoldAtLeast(4 * state.WordList.size());
    if (state.DisplayedLevel > 0) {
        PaintLevel(painter, state, state.DisplayedLevel);
        return;
    }
    if (!CanPaintLevels(state)) {
        return;
    }
    // The same pass as painting every level from the bottom up, without what the top tiles
    // cover: a picture hides everything painted before it at its rectangle, so under a
    // position's top tile only words reaching past the tile's edges can still show. They are
    // painted in their usual turn, between the pictures they overlap.
    const std::array<std::int32_t, BoardPositions> top = TopPaintedLevels(state);
    for (std::int32_t level = state.LevelCount; level >= 1; --level) {
        const QImage& picture = LevelPicture(level);
        for (int row = FirstRowOf(level); row <= LastRowOf(level); ++row) {
            for (int column = 1; column <= BoardColumns; ++column) {
                const std::string* word = WordShownAt(state, CellIndex(level, column, row));
                if (word == nullptr) {
                    continue;
                }
                const QRect tile = TileRect(state.BoardTop, column, row);
                if (level == top[static_cast<std::size_t>(PositionIndex(column, row))]) {
                    DrawBoardTile(painter, picture, tile, *word, LevelWordBackground);
                    continue;
                }
                const TextRun& run = words_.Fitted(*word);
                const QPoint origin = WordOrigin(tile, run);
                if (!tile.contains(InkBounds(origin, run))) {
                    WriteOpaqueText(painter, origin, run, Qt::black, LevelWordBackground);
                }
            }
        }
    }
}

void BoardPainter::DrawTile(QPainter& painter, const GameState& state, int tileState, int column,
                            int row, int level, const std::string* text) const {
    if (state.WordList.empty() || !IsBoardPosition(column, row)) {
        return;
    }
    const QRect tile = TileRect(state.BoardTop, column, row);
    if (text == nullptr) {
        painter.drawImage(tile.topLeft(), EmptyPlacePicture());
        return;
    }
    const QImage& picture = tileState != 0 ? SelectedPicture() : LevelPicture(level);
    DrawBoardTile(painter, picture, tile, *text, Qt::white);
}

void BoardPainter::DrawKeyboardCursor(QPainter& painter, const GameState& state, int column,
                                      int row) const {
    if (!IsBoardPosition(column, row)) {
        return;
    }
    constexpr int Band = 4;
    const QRectF band = QRectF(TileRect(state.BoardTop, column, row))
                            .adjusted(Band / 2, Band / 2, -Band / 2, -Band / 2);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, Band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(band);
    QPen dashes(Qt::black, Band, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawRect(band);
    painter.restore();
}

void BoardPainter::DrawWrongMark(QPainter& painter, const GameState& state, int column,
                                 int row) const {
    if (!IsBoardPosition(column, row)) {
        return;
    }
    const QPoint origin = TileRect(state.BoardTop, column, row).topLeft() + WrongMarkOffset;
    WriteOpaqueText(painter, origin, MeasureText(QStringLiteral(" X "), WrongMarkHeight),
                    WrongMarkColour, LevelWordBackground);
}
