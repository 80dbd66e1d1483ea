#pragma once

#include <QObject>
#include <QRect>

#include <memory>

class BoardPainter;
class Prompter;
class QPainter;
class QPrinter;
class QWidget;
struct GameState;

// File > Print, Print Preview and Print Setup: the board's tiles on a page.
class BoardPrinting : public QObject {
    Q_OBJECT
public:
    // The dialogs open over `window`, which is also the parent.
    BoardPrinting(const GameState& state, Prompter& prompter, QWidget& window);
    ~BoardPrinting() override;

public slots:
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

private:
    void PrintTo(QPrinter& printer) const;
    QPrinter& Printer();

    const GameState& state_;
    Prompter& prompter_;
    QWidget& window_;
    std::unique_ptr<QPrinter> printer_;
};

// A printed page: the tiles only, scaled to fill the page's width or height, whichever is
// reached first. No panels and no selection.
void PaintBoardPage(QPainter& painter, const QRect& page, const GameState& state,
                    const BoardPainter& boardPainter);
