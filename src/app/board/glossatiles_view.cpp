#include "app/board/glossatiles_view.h"

#include "app/base/command_ids.h"
#include "app/base/prompter.h"
#include "app/board/list_media.h"
#include "game/auto_play.h"
#include "game/board_geometry.h"
#include "game/hint.h"
#include "game/level_display.h"
#include "game/peek.h"
#include "game/pick.h"
#include "game/random_test.h"
#include "game/tile_redraw.h"
#include "game/undo.h"
#include "game/word_list_command.h"
#include "view/board/board_pixels.h"
#include "view/board/empty_board_note.h"
#include "view/board/message_text.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>

CGlossatilesView::CGlossatilesView(Prompter& prompter, QWidget* parent)
    : QWidget(parent), prompter_(prompter) {
    setAttribute(Qt::WA_OpaquePaintEvent);

    MouseRightMenuText = "Test1";
    QAction* item = MouseRightMenu.addAction(QString::fromStdString(MouseRightMenuText));
    item->setData(CommandId::MouseRightMenuItem);
    item->setStatusTip(tr("ID for the first mouse right click menu"));
    MouseRightMenuCreated = 1;

    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const int id = static_cast<int>(i) + 1;
        timers_[i].setSingleShot(true);
        connect(&timers_[i], &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    painter_.SetMediaFinder(ListMediaFinder());
    ResizeBackBuffer();
}

// Painting

void CGlossatilesView::UpdateBackBuffer() {
    if (repaintPending_) {
        repaintPending_ = false;
        OnDraw();
    }
}

void CGlossatilesView::OnDraw() {
    buffer_.fill(palette().color(QPalette::Base));
    {
        QPainter painter(&buffer_);
        painter.scale(scale_, scale_);
        painter_.DrawPanels(painter, state_);
        if (state_.WordList.empty()) {
            PaintEmptyBoardNote(painter, state_.BoardTop);
        }
        // A failed open or load leaves no board arrays behind.
        if (state_.HasBoard()) {
            painter_.PaintLevels(painter, state_);
        }
    }
    if (state_.DisplayedLevel <= 0) {
        RedrawSelection(state_, *this);
    }
}

void CGlossatilesView::paintEvent(QPaintEvent*) {
    UpdateBackBuffer();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), buffer_);
    if (keyboardCursor_) {
        painter.scale(scale_, scale_);
        painter_.DrawKeyboardCursor(painter, state_, keyboardCursor_->column, keyboardCursor_->row);
    }
}

void CGlossatilesView::SetScale(qreal scale) {
    if (scale != scale_) {
        scale_ = scale;
        InvalidateAll();
    }
}

QPoint CGlossatilesView::ToBoard(QPointF widgetPoint) const {
    return (widgetPoint / scale_).toPoint();
}

QRect CGlossatilesView::ToWidget(const QRect& boardArea) const {
    // Smoothed edges reach a pixel beyond the scaled rectangle.
    return QTransform::fromScale(scale_, scale_)
        .mapRect(QRectF(boardArea))
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

void CGlossatilesView::SetKeyboardCursor(std::optional<BoardPosition> stack) {
    for (const std::optional<BoardPosition>& shown : {keyboardCursor_, stack}) {
        if (shown) {
            update(ToWidget(TileRect(state_.BoardTop, shown->column, shown->row)));
        }
    }
    keyboardCursor_ = stack;
}

void CGlossatilesView::resizeEvent(QResizeEvent*) {
    ResizeBackBuffer();
}

void CGlossatilesView::ResizeBackBuffer() {
    // The whole view is drawn again at every size change, as after any invalidation.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size().expandedTo(QSize(1, 1)) * ratio;
    buffer_ = QImage(pixels, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(ratio);
    repaintPending_ = true;
}

template <typename Draw> void CGlossatilesView::DrawNow(const QRect& area, Draw draw) {
    QPainter painter(&buffer_);
    painter.scale(scale_, scale_);
    draw(painter);
    painter.end();
    update(ToWidget(area));
}

QRect CGlossatilesView::RowArea(int row) const {
    // Words too long for their tile run past its edges, so the whole band of the row counts.
    const int wide = std::max(BoardExtent.width(), static_cast<int>(width() / scale_) + 1);
    return QRect(0, TileTop(state_.BoardTop, row), wide, TileHeight);
}

QRect CGlossatilesView::PanelArea() const {
    return QRect(0, 0, BoardExtent.width(), state_.BoardTop);
}

// GameHost

void CGlossatilesView::Report(const Message& message) {
    prompter_.ShowMessage(this, MessageText(message));
}

void CGlossatilesView::ShowMessage(std::string_view text) {
    prompter_.ShowMessage(this, DecodeWord(text));
}

void CGlossatilesView::SetTitle(std::string_view title) {
    window()->setWindowTitle(DecodeWord(title));
}

void CGlossatilesView::ReportTitle(const Message& title) {
    window()->setWindowTitle(MessageText(title));
}

void CGlossatilesView::InvalidateAll() {
    repaintPending_ = true;
    update();
    emit RepaintRequested();
}

QTimer* CGlossatilesView::Timer(int id) {
    const bool known = id >= 1 && id <= static_cast<int>(timers_.size());
    return known ? &timers_[static_cast<std::size_t>(id - 1)] : nullptr;
}

void CGlossatilesView::SetTimer(int id, int milliseconds) {
    if (QTimer* timer = Timer(id)) {
        timer->start(milliseconds);
    }
}

void CGlossatilesView::KillTimer(int id) {
    if (QTimer* timer = Timer(id)) {
        timer->stop();
    }
}

void CGlossatilesView::DrawTile(int state, int column, int row, int level,
                                const std::string* text) {
    DrawNow(RowArea(row), [&](QPainter& painter) {
        painter_.DrawTile(painter, state_, state, column, row, level, text);
    });
}

void CGlossatilesView::DrawWrongMark(int column, int row) {
    DrawNow(RowArea(row),
            [&](QPainter& painter) { painter_.DrawWrongMark(painter, state_, column, row); });
}

void CGlossatilesView::DrawWrongPanel() {
    DrawNow(PanelArea(), [&](QPainter& painter) { painter_.DrawWrongPanel(painter, state_); });
}

void CGlossatilesView::DrawHintsPanel() {
    DrawNow(PanelArea(), [&](QPainter& painter) { painter_.DrawHintsPanel(painter, state_); });
}

void CGlossatilesView::DrawRemovedTilesPanel() {
    DrawNow(PanelArea(),
            [&](QPainter& painter) { painter_.DrawRemovedTilesPanel(painter, state_); });
}

void CGlossatilesView::DrawHintHighlight(bool considerSelection) {
    const QRect area = RowArea(state_.HintRow1 + 1).united(RowArea(state_.HintRow2 + 1));
    DrawNow(area, [&](QPainter& painter) {
        painter_.DrawHintHighlight(painter, state_, considerSelection);
    });
}

std::string CGlossatilesView::ChooseFileToOpen() {
    lastChosenFile_ = QFile::encodeName(prompter_.ChooseFileToOpen(this)).toStdString();
    return lastChosenFile_;
}

std::string CGlossatilesView::ChooseFileToSave() {
    return QFile::encodeName(prompter_.ChooseFileToSave(this)).toStdString();
}

std::optional<std::string> CGlossatilesView::AskLevelText(std::string_view current) {
    const std::optional<QString> text = prompter_.AskLevelText(this, DecodeWord(current));
    if (!text) {
        return std::nullopt;
    }
    return text->toStdString();
}

void CGlossatilesView::ShowWordList() {
    prompter_.ShowWordList(this, state_.WordList, state_.ListPath, ListMediaFinder());
}

void CGlossatilesView::ReportStatus(const Message& note) {
    emit StatusNote(MessageText(note));
}

void CGlossatilesView::ShowStatus(std::string_view text) {
    emit StatusNote(DecodeWord(text));
}

void CGlossatilesView::ReportNote(NoteTopic topic, const Message& note) {
    emit NoteRequested(topic, MessageText(note));
}

void CGlossatilesView::ShowNote(NoteTopic topic, std::string_view text) {
    emit NoteRequested(topic, DecodeWord(text));
}

void CGlossatilesView::WithdrawNote(NoteTopic topic) {
    emit NoteWithdrawn(topic);
}

void CGlossatilesView::OnPlayEvent(const PlayEvent& event) {
    // A new game shows its pictures as their files are now.
    if (event.kind == PlayEventKind::GameStarted) {
        painter_.Pictures().Forget();
    }
    emit PlayEventOccurred(event);
}

// Commands

void CGlossatilesView::OnUpdate() {
    InvalidateAll();
}

void CGlossatilesView::OnWordList() {
    ShowLoadedWordList(state_, *this);
}
void CGlossatilesView::OnRandomNumberTest() {
    RandomNumberTest(*this);
}
void CGlossatilesView::OnDrawLevel() {
    DrawLevel(state_, *this);
}
void CGlossatilesView::OnLevelDown() {
    NextLevelDown(state_, *this);
}
void CGlossatilesView::OnLevelUp() {
    NextLevelUp(state_, *this);
}
void CGlossatilesView::OnShowAllLevels() {
    ShowAllLevels(state_, *this);
}
void CGlossatilesView::OnHint() {
    Hint(state_, *this);
}
void CGlossatilesView::OnAutoRemovePair() {
    AutoRemovePair(state_, *this);
}
void CGlossatilesView::OnFastAutoFinish() {
    FastAutoFinish(state_, *this);
}
void CGlossatilesView::OnEditUndo() {
    UndoRemoval(state_, *this);
}
void CGlossatilesView::OnEditRedo() {
    RedoRemoval(state_, *this);
}
void CGlossatilesView::OnLButtonDown(QPoint point) {
    LeftButtonDown(state_, *this, point.x(), point.y());
}
void CGlossatilesView::OnLButtonUp(QPoint) {
    LeftButtonUp(state_, *this);
}
void CGlossatilesView::OnRButtonDown(QPoint point) {
    RightButtonDown(state_, *this, point.x(), point.y());
}
void CGlossatilesView::OnRButtonUp(QPoint) {
    RightButtonUp(state_, *this);
}
void CGlossatilesView::OnTimer(int id) {
    ::OnTimer(state_, *this, id);
}

// Mouse

void CGlossatilesView::mousePressEvent(QMouseEvent* event) {
    if (secondPress_.IsSecondPress(*event)) {
        return;
    }
    const QPoint point = ToBoard(event->position());
    if (event->button() == Qt::LeftButton) {
        OnLButtonDown(point);
    } else if (event->button() == Qt::RightButton) {
        OnRButtonDown(point);
    }
}

void CGlossatilesView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = ToBoard(event->position());
    if (event->button() == Qt::LeftButton) {
        OnLButtonUp(point);
    } else if (event->button() == Qt::RightButton) {
        OnRButtonUp(point);
    }
}

// Double-clicks are not handled: their second press is dropped above, their release arrives.
void CGlossatilesView::mouseDoubleClickEvent(QMouseEvent*) {}

// A right click peeks at a tile; it never opens a menu.
void CGlossatilesView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}
