#include "app/board/board_zoom.h"

#include "app/board/board_display.h"
#include "view/board/board_pixels.h"

#include <QEvent>
#include <QScrollArea>
#include <QSettings>

#include <algorithm>
#include <array>

namespace {

constexpr std::array ZoomSteps{0.5, 0.67, 0.75, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
constexpr qreal SmallestScale = 0.25;
const QString ZoomKey = QStringLiteral("View/Zoom");
const QString FitValue = QStringLiteral("fit");

} // namespace

BoardZoom::BoardZoom(QScrollArea& area, BoardDisplay& board)
    : QObject(&area), area_(area), board_(board) {
    const QVariant remembered = QSettings().value(ZoomKey);
    if (remembered.isValid()) {
        chosen_ = true;
        bool number = false;
        const qreal scale = remembered.toDouble(&number);
        if (number && scale >= ZoomSteps.front() && scale <= ZoomSteps.back()) {
            fixed_ = scale;
        }
    }
    // A board smaller than the window sits in its middle, on the board's own background.
    area.setAlignment(Qt::AlignCenter);
    area.setBackgroundRole(QPalette::Base);
    area.viewport()->installEventFilter(this);
    area.window()->installEventFilter(this);
}

void BoardZoom::ZoomIn() {
    const qreal now = board_.Scale();
    const auto larger = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                     [now](qreal step) { return step > now + 0.005; });
    Choose(larger == ZoomSteps.end() ? ZoomSteps.back() : *larger);
}

void BoardZoom::ZoomOut() {
    const qreal now = board_.Scale();
    const auto smaller = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                      [now](qreal step) { return step < now - 0.005; });
    Choose(smaller == ZoomSteps.rend() ? ZoomSteps.front() : *smaller);
}

void BoardZoom::FitToWindow() {
    Choose(std::nullopt);
}

void BoardZoom::Choose(std::optional<qreal> fixed) {
    chosen_ = true;
    fixed_ = fixed;
    QSettings().setValue(ZoomKey, fixed ? QVariant(*fixed) : QVariant(FitValue));
    Apply();
}

qreal BoardZoom::FittingScale() const {
    const QSize room = area_.viewport()->size();
    const qreal scale = std::min(qreal(room.width()) / BoardExtent.width(),
                                 qreal(room.height()) / BoardExtent.height());
    return std::max(scale, SmallestScale);
}

void BoardZoom::Apply() {
    const bool fit = chosen_ ? !fixed_ : area_.window()->isMaximized();
    const qreal scale = fit ? FittingScale() : fixed_.value_or(1.0);
    // A fitted board needs no scroll bars, unless the window is too small for it even at the
    // smallest scale; a fixed one asks for its whole size. Neither grows past the board, so
    // that the area can centre it.
    const QSize board = (QSizeF(BoardExtent) * scale).toSize();
    const bool fits = scale > SmallestScale;
    QWidget& widget = board_.Widget();
    widget.setMinimumSize(fit && fits ? QSize(0, 0) : board);
    widget.setMaximumSize(board);
    widget.resize(board);
    board_.SetScale(scale);
}

bool BoardZoom::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange) {
        Apply();
    }
    return false;
}
