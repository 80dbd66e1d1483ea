#include "app/board/board_printing.h"

#include "app/base/prompter.h"
#include "app/board/list_media.h"
#include "game/game_state.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace {
// The board in view pixels, with the left margin mirrored on the right and below.
constexpr int PageWidth = BoardLeft + BoardColumns * ColumnPitch + BoardLeft;

int PageHeight(int boardTop) {
    return TileTop(boardTop, BoardRows) + TileHeight + BoardLeft;
}
} // namespace

BoardPrinting::BoardPrinting(const GameState& state, Prompter& prompter, QWidget& window)
    : QObject(&window), state_(state), prompter_(prompter), window_(window) {}

BoardPrinting::~BoardPrinting() = default;

void BoardPrinting::OnFilePrint() {
    if (prompter_.AskPrintSettings(&window_, Printer())) {
        PrintTo(Printer());
    }
}

void BoardPrinting::OnFilePrintPreview() {
    prompter_.PreviewPrint(&window_, Printer(), [this](QPrinter& printer) { PrintTo(printer); });
}

void BoardPrinting::OnFilePrintSetup() {
    prompter_.AskPageSetup(&window_, Printer());
}

QPrinter& BoardPrinting::Printer() {
    // Made on first use: finding the printers takes a while.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void BoardPrinting::PrintTo(QPrinter& printer) const {
    QPainter painter(&printer);
    BoardPainter board;
    board.SetMediaFinder(ListMediaFinder());
    PaintBoardPage(painter, painter.viewport(), state_, board);
}

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
