#include "app/board/keyboard_play.h"

#include "app/board/glossatiles_view.h"
#include "game/stack_navigation.h"
#include "view/board/board_pixels.h"

#include <QKeyEvent>

#include <utility>

namespace {

std::optional<CursorMove> MoveOfKey(int key) {
    switch (key) {
    case Qt::Key_Right:
        return CursorMove::Next;
    case Qt::Key_Left:
        return CursorMove::Previous;
    case Qt::Key_Up:
        return CursorMove::Up;
    case Qt::Key_Down:
        return CursorMove::Down;
    case Qt::Key_Home:
        return CursorMove::First;
    case Qt::Key_End:
        return CursorMove::Last;
    default:
        return std::nullopt;
    }
}

bool IsPickKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool IsPeekKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           key.modifiers().testFlag(Qt::ShiftModifier);
}

} // namespace

KeyboardPlay::KeyboardPlay(CGlossatilesView& view) : QObject(&view), view_(view) {
    view.setFocusPolicy(Qt::StrongFocus);
    view.setFocus();
    view.installEventFilter(this);
    connect(&view, &CGlossatilesView::PlayEventOccurred, this, &KeyboardPlay::OnPlayEvent);
}

std::optional<BoardPosition> KeyboardPlay::ShownCursor() const {
    return mode_ == Mode::Shown ? std::optional(cursor_) : std::nullopt;
}

bool KeyboardPlay::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return KeyPressed(static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return KeyReleased(static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Hide();
        return false;
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
        ReleaseHeldKey();
        return false;
    default:
        return false;
    }
}

bool KeyboardPlay::KeyPressed(const QKeyEvent& key) {
    if (MoveOfKey(key.key())) {
        Move(key.key());
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        view_.OnClearSelection();
        return true;
    }
    if (!IsPickKey(key.key())) {
        return false;
    }
    // A held key picks or peeks once.
    if (key.isAutoRepeat() || held_ != HeldKey::None) {
        return true;
    }
    // A pick on a cursor the player cannot see would land on a tile of our choosing.
    if (mode_ == Mode::Hidden) {
        Show(StartingStack());
        return true;
    }
    PressOnCursor(IsPeekKey(key) ? HeldKey::Peek : HeldKey::Pick);
    return true;
}

bool KeyboardPlay::KeyReleased(const QKeyEvent& key) {
    if (!IsPickKey(key.key())) {
        return false;
    }
    if (!key.isAutoRepeat()) {
        ReleaseHeldKey();
    }
    return true;
}

void KeyboardPlay::ReleaseHeldKey() {
    const HeldKey held = std::exchange(held_, HeldKey::None);
    const QPoint centre = CursorCentre();
    if (held == HeldKey::Peek) {
        view_.OnRButtonUp(centre);
    } else if (held == HeldKey::Pick) {
        view_.OnLButtonUp(centre);
    }
}

void KeyboardPlay::Move(int key) {
    if (mode_ == Mode::Hidden && key != Qt::Key_Home && key != Qt::Key_End) {
        Show(StartingStack());
        return;
    }
    if (const std::optional<BoardPosition> next =
            StackAfterMove(view_.State(), cursor_, *MoveOfKey(key))) {
        Show(*next);
    }
}

void KeyboardPlay::PressOnCursor(HeldKey held) {
    const QPoint centre = CursorCentre();
    held_ = held;
    if (held == HeldKey::Peek) {
        view_.OnRButtonDown(centre);
    } else {
        view_.OnLButtonDown(centre);
    }
}

void KeyboardPlay::OnPlayEvent(const PlayEvent&) {
    // The cursor's stack was emptied: on to the next one in reading order.
    if (TopCellOf(view_.State(), cursor_) >= 0) {
        return;
    }
    const std::optional<BoardPosition> next =
        StackAfterMove(view_.State(), cursor_, CursorMove::Next);
    if (!next) {
        Hide();
        cursor_ = {};
    } else if (mode_ == Mode::Shown) {
        Show(*next);
    } else {
        cursor_ = *next;
    }
}

QPoint KeyboardPlay::CursorCentre() const {
    return TileRect(view_.State().BoardTop, cursor_.column, cursor_.row).center();
}

BoardPosition KeyboardPlay::StartingStack() const {
    const GameState& state = view_.State();
    if (TopCellOf(state, cursor_) >= 0) {
        return cursor_;
    }
    if (state.HasSelection()) {
        return {state.SelectedCol, state.SelectedRow};
    }
    return StackAfterMove(state, {}, CursorMove::First).value_or(BoardPosition{});
}

void KeyboardPlay::Show(BoardPosition stack) {
    if (!stack.IsOnBoard()) {
        return;
    }
    mode_ = Mode::Shown;
    cursor_ = stack;
    view_.SetKeyboardCursor(stack);
    emit CursorChanged(stack);
}

void KeyboardPlay::Hide() {
    if (mode_ == Mode::Hidden) {
        return;
    }
    mode_ = Mode::Hidden;
    view_.SetKeyboardCursor(std::nullopt);
    emit CursorChanged(std::nullopt);
}
