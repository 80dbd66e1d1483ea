#pragma once

#include "view/board/side_pictures.h"
#include "view/board/word_layout_cache.h"

#include <QPainter>
#include <QString>

#include <string>
#include <string_view>

struct GameState;

// Paints the board, the panels above it and the immediate marks of play onto any painter: the
// view's back buffer, a printer, a test image. Tile pictures are made once and reused.
class BoardPainter {
public:
    BoardPainter();

    // Without a finder, a picture side shows its text and a sound side wears no speaker.
    void SetMediaFinder(MediaFinder finder);
    SidePictures& Pictures() const { return pictures_; }

    // The board part of a repaint: the displayed level alone, or every level from the bottom
    // up. No panels and no selection, so that a printed page carries the tiles only.
    void PaintLevels(QPainter& painter, const GameState& state) const;
    void PaintLevel(QPainter& painter, const GameState& state, int level) const;

    // One position at once: state 0 normal, else selected; the text is the side's line, and a
    // null text draws the empty place.
    void DrawTile(QPainter& painter, const GameState& state, int tileState, int column, int row,
                  int level, const std::string* text) const;

    // Correct, Wrong, Hints and Removed Tiles, in that order.
    void DrawPanels(QPainter& painter, const GameState& state) const;
    void DrawCorrectPanel(QPainter& painter, const GameState& state) const;
    void DrawWrongPanel(QPainter& painter, const GameState& state) const;
    void DrawHintsPanel(QPainter& painter, const GameState& state) const;
    void DrawRemovedTilesPanel(QPainter& painter, const GameState& state) const;

    // The red " X " over a wrongly picked tile.
    void DrawWrongMark(QPainter& painter, const GameState& state, int column, int row) const;
    // The keyboard cursor: a black and white dashed band round the tile's edge, unlike the
    // selected tile's picture and the hint frames inside the tile.
    void DrawKeyboardCursor(QPainter& painter, const GameState& state, int column, int row) const;
    // The frames over the two hinted tiles.
    void DrawHintHighlight(QPainter& painter, const GameState& state, bool considerSelection) const;

private:
    // The picture at the tile's rectangle, then the side's own picture with its words under
    // it, or its words alone centred on the tile and fitted to it.
    void DrawBoardTile(QPainter& painter, const QImage& picture, const QRect& tile,
                       const std::string& line, const GameState& state,
                       const QColor& background) const;
    // False, and nothing drawn, when the side's picture cannot be shown.
    bool DrawSidePicture(QPainter& painter, const QRect& tile, const std::string& image,
                         const std::string& text, const GameState& state,
                         const QColor& background) const;

    mutable WordLayoutCache words_;
    mutable SidePictures pictures_;
};

// Words are bytes as the files hold them: UTF-8 where valid, otherwise Windows-1252.
QString DecodeWord(std::string_view bytes);
