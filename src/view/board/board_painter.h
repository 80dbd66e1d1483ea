#pragma once

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

    // The board part of a repaint: the displayed level alone, or every level from the bottom
    // up. No panels and no selection, so that a printed page carries the tiles only.
    void PaintLevels(QPainter& painter, const GameState& state) const;
    void PaintLevel(QPainter& painter, const GameState& state, int level) const;

    // One position at once: state 0 normal, else selected; a null text draws the empty place.
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
    // The picture at the tile's rectangle and the word centred on it, fitted to the tile.
    void DrawBoardTile(QPainter& painter, const QImage& picture, const QRect& tile,
                       const std::string& word, const QColor& background) const;

    mutable WordLayoutCache words_;
};

// Words are bytes as the files hold them: UTF-8 where valid, otherwise Windows-1252.
QString DecodeWord(std::string_view bytes);
