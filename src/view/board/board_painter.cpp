#include "view/board/board_painter.h"

#include "game/board_geometry.h"
#include "game/game_state.h"
#include "view/board/board_pixels.h"
#include "view/board/tile_pictures.h"
#include "words/side_line.h"

#include <QPalette>
#include <QPen>
#include <QPolygon>

#include <array>
#include <optional>

namespace {

const QColor LevelWordBackground(7, 255, 208);
const QColor WrongMarkColour(255, 0, 0);
constexpr int WrongMarkHeight = 60;
// A word of one line hangs from a fixed line below the tile's top, whatever its height; the
// lines of a wrapped word are centred on the tile. Each line is centred on the tile's middle.
constexpr int WordCentre = 90;
constexpr int WordDrop = 20;
// A side's picture keeps clear of the tile's outer edge; a caption under it is one small line.
constexpr QMargins PictureMargins(8, 5, 8, 5);
constexpr int CaptionHeight = 13;
constexpr int WidestCaption = 160;
// The wrong mark's corner, from the tile's corner.
constexpr QPoint WrongMarkOffset(53, 2);

bool CanPaintLevels(const GameState& state) {
    return !state.WordList.empty() && state.HasBoard();
}

void WriteWord(QPainter& painter, const QRect& tile, const WordLayout& word,
               const QColor& background) {
    int top = word.lines.size() == 1 ? tile.top() + WordDrop
                                     : tile.top() + (tile.height() - word.Height()) / 2;
    for (const TextRun& line : word.lines) {
        WriteOpaqueText(painter, {tile.left() + WordCentre - line.width / 2, top}, line, Qt::black,
                        background);
        top += line.cellHeight;
    }
}

// The level of the tile a bottom-up pass paints last at a position, or 0 for none. A cell
// whose pair lacks its word gets no picture, so it does not count.
// A side with a recording wears a small speaker in its top right corner, clear of its words.
void DrawSpeakerMark(QPainter& painter, const QRect& tile) {
    const QPoint at = tile.topRight() + QPoint(-16, 4);
    const QPolygon speaker{{at + QPoint(0, 3), at + QPoint(3, 3), at + QPoint(8, 0),
                            at + QPoint(8, 10), at + QPoint(3, 7), at + QPoint(0, 7)}};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(speaker);
    painter.restore();
}

std::int32_t TopPaintedLevel(const GameState& state, int column, int row) {
    for (std::int32_t level = FirstLevelCovering(row); level <= state.LevelCount; ++level) {
        if (WordShownAt(state, CellIndex(level, column, row)) != nullptr) {
            return level;
        }
    }
    return 0;
}

TextRun Caption(const std::string& text) {
    return MeasureTextWithin(DecodeWord(text), CaptionHeight, WidestCaption);
}

} // namespace

// Making the pictures here spares the first repaint the work.
BoardPainter::BoardPainter() {
    EmptyPlacePicture();
}

void BoardPainter::SetMediaFinder(MediaFinder finder) {
    pictures_.SetFinder(std::move(finder));
}

void BoardPainter::DrawBoardTile(QPainter& painter, const QImage& picture, const QRect& tile,
                                 const std::string& line, const GameState& state,
                                 const QColor& background) const {
    painter.drawImage(tile.topLeft(), picture);
    const SideParts parts = ParseSide(line);
    if (parts.image.empty() ||
        !DrawSidePicture(painter, tile, parts.image, parts.text, state, background)) {
        WriteWord(painter, tile, words_.Fitted(ShownText(parts)), background);
    }
    if (!parts.sound.empty() && pictures_.Plays(parts.sound, state.ListPath)) {
        DrawSpeakerMark(painter, tile);
    }
}

bool BoardPainter::DrawSidePicture(QPainter& painter, const QRect& tile, const std::string& image,
                                   const std::string& text, const GameState& state,
                                   const QColor& background) const {
    QRect box = tile.marginsRemoved(PictureMargins);
    std::optional<TextRun> caption;
    if (!text.empty()) {
        caption = Caption(text);
        box.setBottom(box.bottom() - caption->cellHeight);
    }
    // Scaled once for the pixels it covers at this zoom, so that drawing it is a plain copy.
    const QRectF onDevice = painter.deviceTransform().mapRect(QRectF(box));
    const QSize pixels = onDevice.size().toSize();
    const QImage& shown = pictures_.Fitted(image, state.ListPath, pixels);
    if (shown.isNull()) {
        return false;
    }
    painter.drawImage(FittedRect(shown.size(), box), shown);
    if (caption) {
        WriteOpaqueText(painter, {tile.left() + WordCentre - caption->width / 2, box.bottom() + 1},
                        *caption, Qt::black, background);
    }
    return true;
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
                DrawBoardTile(painter, picture, TileRect(state.BoardTop, column, row), *word, state,
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
    // A tile hides the whole stack beneath it, and no word reaches past its tile: the top
    // tiles are all that painting every level from the bottom up would leave.
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            if (const std::int32_t level = TopPaintedLevel(state, column, row); level > 0) {
                DrawBoardTile(painter, LevelPicture(level), TileRect(state.BoardTop, column, row),
                              *WordShownAt(state, CellIndex(level, column, row)), state,
                              LevelWordBackground);
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
        // White on a light desktop; a dark one's board is not spotted with white places.
        painter.fillRect(tile, QPalette().color(QPalette::Base));
        painter.drawImage(tile.topLeft(), EmptyPlacePicture());
        return;
    }
    const QImage& picture = tileState != 0 ? SelectedPicture() : LevelPicture(level);
    DrawBoardTile(painter, picture, tile, *text, state, Qt::white);
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
