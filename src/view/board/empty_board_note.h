#pragma once

#include <QPainter>

// What the board area says while no word list is open: one line on how to open one.
void PaintEmptyBoardNote(QPainter& painter, int boardTop);
