#include "view/board/empty_board_note.h"

#include "view/board/board_pixels.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

void PaintEmptyBoardNote(QPainter& painter, int boardTop) {
    const QRect board(BoardLeft, boardTop, BoardColumns * ColumnPitch, BoardRows * RowPitch);
    painter.save();
    painter.setPen(QGuiApplication::palette().color(QPalette::Text));
    painter.drawText(board, Qt::AlignCenter | Qt::TextSingleLine,
                     QCoreApplication::translate("EmptyBoardNote",
                                                 "Open a word list with File > Open (Ctrl+O)"));
    painter.restore();
}
