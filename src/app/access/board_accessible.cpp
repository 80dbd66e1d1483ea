#include "app/access/board_accessible.h"

#include "app/access/leaf_accessible.h"
#include "app/access/spoken_side.h"
#include "app/base/game_in_play.h"
#include "app/board/board_display.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "view/board/board_pixels.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

namespace {

// The board's spoken texts, in one translation context.
struct BoardText {
    Q_DECLARE_TR_FUNCTIONS(BoardAccessible)
};

BoardPosition StackAt(int index) {
    return {index % BoardColumns + 1, index / BoardColumns + 1};
}

// A stack (index below BoardPositions) or one of the panels after them.
class BoardItemAccessible : public LeafAccessible<QWidget> {
public:
    BoardItemAccessible(BoardDisplay& board, int index)
        : LeafAccessible(&board.Widget()), board_(board), index_(index) {}

    int Index() const { return index_; }
    const BoardDisplay* Board() const { return &board_; }

    QAccessible::Role role() const override {
        return IsStack() ? QAccessible::Button : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        if (!host_) {
            return {};
        }
        if (t == QAccessible::Name) {
            return IsStack() ? StackName() : PanelName();
        }
        if (t == QAccessible::Description && IsStack()) {
            return StackDescription();
        }
        return {};
    }

    QRect rect() const override {
        if (!host_) {
            return {};
        }
        const QRect area = board_.ToWidget(BoardArea());
        return {host_->mapToGlobal(area.topLeft()), area.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!host_ || !IsStack()) {
            state.readOnly = true;
            return state;
        }
        const GameState& game = board_.State();
        const BoardPosition stack = StackAt(index_);
        state.focusable = true;
        state.selectable = true;
        state.checkable = true;
        state.invisible = TopCellOf(game, stack) < 0;
        state.selected = state.checked =
            game.HasSelection() && stack == BoardPosition{game.SelectedCol, game.SelectedRow};
        state.focused = host_->hasFocus() && board_.KeyboardCursor() == stack;
        return state;
    }

private:
    bool IsStack() const { return index_ < BoardPositions; }

    QString StackName() const {
        const std::int32_t cell = TopCellOf(board_.State(), StackAt(index_));
        if (cell < 0) {
            return BoardText::tr("empty");
        }
        return SpokenSide(WordShownAt(board_.State(), cell));
    }

    QString StackDescription() const {
        const GameState& game = board_.State();
        const BoardPosition stack = StackAt(index_);
        const std::int32_t level = TopLevelAt(game, stack.column, stack.row);
        QString text = BoardText::tr("Column %1, row %2").arg(stack.column).arg(stack.row);
        if (level == 0) {
            return text;
        }
        text += BoardText::tr(", level %1").arg(level);
        if (stack == BoardPosition{game.SelectedCol, game.SelectedRow}) {
            text += BoardText::tr(", selected");
        }
        return text;
    }

    QString PanelName() const {
        const GameState& game = board_.State();
        switch (index_ - BoardPositions) {
        case 0:
            return BoardText::tr("Correct %1").arg(game.CorrectCount);
        case 1:
            return BoardText::tr("Wrong %1").arg(game.WrongCount);
        default:
            return BoardText::tr("Hints %1").arg(game.HintCount);
        }
    }

    QRect BoardArea() const {
        if (IsStack()) {
            const BoardPosition stack = StackAt(index_);
            return TileRect(board_.State().BoardTop, stack.column, stack.row);
        }
        static const std::array<QRect, BoardAccessible::PanelCount> panels{
            EdgeRect(10, 10, 210, 90), EdgeRect(230, 10, 430, 90), EdgeRect(450, 10, 670, 90)};
        return panels[static_cast<std::size_t>(index_ - BoardPositions)];
    }

    // Read only while the host lives.
    BoardDisplay& board_;
    int index_;
};

void Send(QAccessibleInterface* target, QAccessible::Event type) {
    if (target) {
        QAccessibleEvent event(target, type);
        QAccessible::updateAccessibility(&event);
    }
}

void AnnounceStack(BoardAccessible& board, const GameState& game, std::int32_t cell) {
    if (cell < 0 || cell >= game.CellCount) {
        return;
    }
    const CellPlace place = PlaceOfCell(cell);
    QAccessibleInterface* stack =
        board.child(BoardAccessible::StackIndex({place.column, place.row}));
    QAccessible::State changed;
    changed.selected = changed.checked = changed.invisible = true;
    QAccessibleStateChangeEvent stateChange(stack, changed);
    QAccessible::updateAccessibility(&stateChange);
    Send(stack, QAccessible::NameChanged);
    Send(stack, QAccessible::DescriptionChanged);
}

BoardAccessible* BoardInterface(BoardDisplay& board) {
    return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board.Widget()));
}

void AnnouncePlayEvent(BoardDisplay& display, const PlayEvent& event) {
    BoardAccessible* board = BoardInterface(display);
    if (!board) {
        return;
    }
    if (event.kind == PlayEventKind::GameStarted) {
        board->ForgetChildren();
        Send(board, QAccessible::ObjectReorder);
        // The focused child went with the others: the reader is told where focus is now.
        AnnounceKeyboardCursor(display, display.KeyboardCursor());
        return;
    }
    if (!QAccessible::isActive()) {
        return;
    }
    AnnounceStack(*board, display.State(), event.firstCell);
    AnnounceStack(*board, display.State(), event.secondCell);
    for (int panel = 0; panel < BoardAccessible::PanelCount; ++panel) {
        Send(board->child(BoardPositions + panel), QAccessible::NameChanged);
    }
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    auto* board = dynamic_cast<BoardDisplay*>(object);
    return board ? new BoardAccessible(*board) : nullptr;
}

} // namespace

BoardAccessible::BoardAccessible(BoardDisplay& board)
    : QAccessibleWidget(&board.Widget(), QAccessible::Client), board_(board) {}

BoardAccessible::~BoardAccessible() {
    ForgetChildren();
}

void BoardAccessible::ForgetChildren() {
    for (QAccessible::Id& id : ids_) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
            id = 0;
        }
    }
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= ChildCount) {
        return nullptr;
    }
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new BoardItemAccessible(board_, index));
    }
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const BoardItemAccessible*>(child);
    return item && item->Board() == &board_ ? item->Index() : -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    for (int index = 0; index < ChildCount; ++index) {
        QAccessibleInterface* item = child(index);
        if (!item->state().invisible && item->rect().contains(x, y)) {
            return item;
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const std::optional<BoardPosition> cursor = board_.KeyboardCursor();
    return cursor ? child(StackIndex(*cursor)) : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return BoardText::tr("Board");
    }
    return QAccessibleWidget::text(t);
}

void AnnounceBoardChanges(BoardDisplay& board, GameInPlay& game) {
    QObject::connect(&game, &GameInPlay::PlayEventOccurred, &board.Widget(),
                     [&board](const PlayEvent& event) { AnnouncePlayEvent(board, event); });
}

void AnnounceKeyboardCursor(BoardDisplay& display, std::optional<BoardPosition> stack) {
    BoardAccessible* board = BoardInterface(display);
    if (board && stack && display.Widget().hasFocus() && QAccessible::isActive()) {
        Send(board->child(BoardAccessible::StackIndex(*stack)), QAccessible::Focus);
    }
}

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&BoardFactory);
        return true;
    }();
    (void)installed;
}
