#pragma once

#include <QRect>

class BoardPainter;
class QPainter;
struct GameState;

// A printed page: the tiles only, scaled to fill the page's width or height, whichever is
// reached first. No panels and no selection.
void PaintBoardPage(QPainter& painter, const QRect& page, const GameState& state,
                    const BoardPainter& boardPainter);
