#pragma once

#include "game/board_position.h"

#include <QAccessibleWidget>

#include <array>
#include <optional>

class BoardDisplay;
class GameInPlay;

// The painted board as a screen reader meets it: one child per stack in reading order, named
// by its top tile's word, then the Correct, Wrong and Hints panels as text.
class BoardAccessible : public QAccessibleWidget {
public:
    static constexpr int PanelCount = 3;
    static constexpr int ChildCount = BoardPositions + PanelCount;

    explicit BoardAccessible(BoardDisplay& board);
    ~BoardAccessible() override;

    int childCount() const override { return ChildCount; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // A new deal: the old children go, new ones come when asked for.
    void ForgetChildren();

    static int StackIndex(BoardPosition stack) {
        return (stack.row - 1) * BoardColumns + (stack.column - 1);
    }

private:
    BoardDisplay& board_;
    mutable std::array<QAccessible::Id, ChildCount> ids_{};
};

// Tells screen readers what changes on the board: picks and removals rename the stacks they
// touch, and a new game gives the board new children.
void AnnounceBoardChanges(BoardDisplay& board, GameInPlay& game);
// Focus follows the keyboard cursor to `stack`.
void AnnounceKeyboardCursor(BoardDisplay& board, std::optional<BoardPosition> stack);

// Makes BoardAccessible the interface of every board display.
void InstallBoardAccessibility();
