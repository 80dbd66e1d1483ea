#include "app/board/keyboard_play.h"

#include "app/base/game_in_play.h"
#include "app/board/glossatiles_view.h"
#include "game/peek.h"
#include "game/pick.h"
#include "game/stack_navigation.h"
#include "view/board/board_pixels.h"

#include <QKeyEvent>

#include <utility>

namespace {

constexpr int WrongMarkTime = 600; // milliseconds

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

KeyboardPlay::KeyboardPlay(CGlossatilesView& view, GameInPlay& game)
    : QObject(&view), view_(view), game_(game) {
    view.setFocusPolicy(Qt::StrongFocus);
    view.setFocus();
    view.installEventFilter(this);
    connect(&game, &GameInPlay::PlayEventOccurred, this, &KeyboardPlay::OnPlayEvent);
    releaseLater_.setSingleShot(true);
    releaseLater_.setInterval(HeldKey::RepeatGap);
    connect(&releaseLater_, &QTimer::timeout, this, &KeyboardPlay::ReleaseHeldKey);
    wrongMarkShown_.setSingleShot(true);
    wrongMarkShown_.setInterval(WrongMarkTime);
    connect(&wrongMarkShown_, &QTimer::timeout, this,
            [this] { LeftButtonUp(view_.Game(), view_); });
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
        WipeWrongMark();
        Hide();
        return false;
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
        ReleaseHeldKey();
        WipeWrongMark();
        return false;
    default:
        return false;
    }
}

bool KeyboardPlay::KeyPressed(const QKeyEvent& key) {
    if (heldKey_.IsRepeat(key) && IsPickKey(key.key())) {
        releaseLater_.stop();
        return true;
    }
    if (releaseLater_.isActive()) {
        ReleaseHeldKey();
    }
    WipeWrongMark();
    if (MoveOfKey(key.key())) {
        Move(key.key());
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        ClearSelection(view_.Game(), view_);
        return true;
    }
    if (!IsPickKey(key.key())) {
        return false;
    }
    // One key at a time picks or peeks.
    if (held_ != Held::None) {
        return true;
    }
    // A pick on a cursor the player cannot see would land on a tile of our choosing.
    if (mode_ == Mode::Hidden) {
        Show(StartingStack());
        return true;
    }
    PressOnCursor(IsPeekKey(key) ? Held::Peek : Held::Pick);
    return true;
}

bool KeyboardPlay::KeyReleased(const QKeyEvent& key) {
    const bool repeat = heldKey_.IsRepeat(key);
    if (!IsPickKey(key.key())) {
        return false;
    }
    if (!repeat && held_ != Held::None) {
        releaseLater_.start();
    }
    return true;
}

void KeyboardPlay::ReleaseHeldKey() {
    releaseLater_.stop();
    const Held held = std::exchange(held_, Held::None);
    if (held == Held::Peek) {
        RightButtonUp(view_.Game(), view_);
    } else if (held == Held::Pick && game_.State().HasWrongMark()) {
        wrongMarkShown_.start();
    }
}

void KeyboardPlay::WipeWrongMark() {
    // Only the keyboard's mark: a mouse button may be holding its own.
    if (wrongMarkShown_.isActive()) {
        wrongMarkShown_.stop();
        LeftButtonUp(view_.Game(), view_);
    }
}

void KeyboardPlay::Move(int key) {
    if (mode_ == Mode::Hidden && key != Qt::Key_Home && key != Qt::Key_End) {
        Show(StartingStack());
        return;
    }
    if (const std::optional<BoardPosition> next =
            StackAfterMove(game_.State(), cursor_, *MoveOfKey(key))) {
        Show(*next);
    }
}

void KeyboardPlay::PressOnCursor(Held held) {
    // The rules take a press by where it lands on the board.
    const QPoint centre = CursorCentre();
    held_ = held;
    if (held == Held::Peek) {
        RightButtonDown(view_.Game(), view_, centre.x(), centre.y());
    } else {
        LeftButtonDown(view_.Game(), view_, centre.x(), centre.y());
    }
}

void KeyboardPlay::OnPlayEvent(const PlayEvent&) {
    // The cursor's stack was emptied: on to the next one in reading order.
    if (TopCellOf(game_.State(), cursor_) >= 0) {
        return;
    }
    const std::optional<BoardPosition> next =
        StackAfterMove(game_.State(), cursor_, CursorMove::Next);
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
    return TileRect(game_.State().BoardTop, cursor_.column, cursor_.row).center();
}

BoardPosition KeyboardPlay::StartingStack() const {
    const GameState& state = game_.State();
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
