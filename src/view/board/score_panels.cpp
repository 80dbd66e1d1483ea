#include "game/game_state.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"
#include "view/board/opaque_text.h"

#include <QCoreApplication>
#include <QPen>

namespace {

struct CounterPanel {
    QRect ellipse;
    QColor fill;
    const char* label; // English, translated where it is drawn
    QPoint labelOrigin;
    int oneDigitX; // where a number of one digit starts
};

constexpr int LabelHeight = 24;
constexpr int NumberHeight = 48;
constexpr int NumberTop = 40;
constexpr int DigitShift = 10;

const QColor RemovedTilesFill(7, 255, 208);
constexpr int RemovedTitleHeight = 22;
constexpr int RemovedWordHeight = 20;
constexpr QPoint RemovedWordA(695, 38);
constexpr QPoint RemovedWordB(695, 63);
// Up to the frame's right edge: a word drawn past it would stay there after the panel alone is
// drawn again.
constexpr int RemovedWordRoom = 908 - 695;

TextRun RemovedWord(const std::string& word) {
    return MeasureTextWithin(DecodeWord(word), RemovedWordHeight, RemovedWordRoom);
}

// Each digit past the first moves the number left, up to four digits. Negative numbers stay
// at the one-digit place.
int NumberLeft(const CounterPanel& panel, std::int32_t value) {
    const int extraDigits = value >= 1000 ? 3 : value >= 100 ? 2 : value >= 10 ? 1 : 0;
    return panel.oneDigitX - DigitShift * extraDigits;
}

void DrawCounterPanel(QPainter& painter, const CounterPanel& panel, std::int32_t value) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(panel.fill);
    // A stroked rectangle grows by the pen's pixel on the right and at the bottom.
    painter.drawEllipse(panel.ellipse.adjusted(0, 0, -1, -1));
    painter.restore();
    WriteOpaqueText(
        painter, panel.labelOrigin,
        MeasureText(QCoreApplication::translate("BoardPainter", panel.label), LabelHeight),
        Qt::black, panel.fill);
    WriteOpaqueText(painter, {NumberLeft(panel, value), NumberTop},
                    MeasureText(QString::number(value), NumberHeight), Qt::black, panel.fill);
}

const CounterPanel& Correct() {
    static const CounterPanel panel{EdgeRect(10, 10, 210, 90),
                                    QColor(7, 255, 208),
                                    QT_TRANSLATE_NOOP("BoardPainter", "Correct"),
                                    {75, 15},
                                    100};
    return panel;
}

const CounterPanel& Wrong() {
    static const CounterPanel panel{EdgeRect(230, 10, 430, 90),
                                    QColor(255, 0, 0),
                                    QT_TRANSLATE_NOOP("BoardPainter", "Wrong"),
                                    {300, 15},
                                    320};
    return panel;
}

const CounterPanel& Hints() {
    static const CounterPanel panel{EdgeRect(450, 10, 670, 90),
                                    QColor(0, 170, 221),
                                    QT_TRANSLATE_NOOP("BoardPainter", "Hints"),
                                    {540, 15},
                                    550};
    return panel;
}

// One pixel along each edge of the rectangle.
void FrameRect(QPainter& painter, const QRect& box) {
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), Qt::black);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), Qt::black);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), Qt::black);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), Qt::black);
}

} // namespace

void BoardPainter::DrawPanels(QPainter& painter, const GameState& state) const {
    DrawCorrectPanel(painter, state);
    DrawWrongPanel(painter, state);
    DrawHintsPanel(painter, state);
    DrawRemovedTilesPanel(painter, state);
}

void BoardPainter::DrawCorrectPanel(QPainter& painter, const GameState& state) const {
    DrawCounterPanel(painter, Correct(), state.CorrectCount);
}

void BoardPainter::DrawWrongPanel(QPainter& painter, const GameState& state) const {
    DrawCounterPanel(painter, Wrong(), state.WrongCount);
}

void BoardPainter::DrawHintsPanel(QPainter& painter, const GameState& state) const {
    DrawCounterPanel(painter, Hints(), state.HintCount);
}

// A long word is cut short with an ellipsis; the status bar has it whole.
void BoardPainter::DrawRemovedTilesPanel(QPainter& painter, const GameState& state) const {
    painter.fillRect(EdgeRect(680, 1, 910, 91), RemovedTilesFill);
    FrameRect(painter, EdgeRect(680, 1, 910, 30));
    FrameRect(painter, EdgeRect(680, 29, 910, 90));
    WriteOpaqueText(painter, {725, 6},
                    MeasureText(QLatin1Char(' ') +
                                    QCoreApplication::translate("BoardPainter", "Removed Tiles") +
                                    QLatin1Char(' '),
                                RemovedTitleHeight),
                    Qt::black, RemovedTilesFill);
    WriteOpaqueText(painter, RemovedWordA, RemovedWord(state.LastRemovedTextA), Qt::black,
                    RemovedTilesFill);
    WriteOpaqueText(painter, RemovedWordB, RemovedWord(state.LastRemovedTextB), Qt::black,
                    RemovedTilesFill);
}
