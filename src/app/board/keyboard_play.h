#pragma once

#include "game/board_position.h"
#include "game/play_event.h"

#include <QObject>
#include <QPoint>

#include <optional>

class CGlossatilesView;
class QKeyEvent;

// Play without a mouse. The cursor marks one stack; it stays hidden until the first cursor key
// and hides again at any mouse press on the board. Enter, Return and Space press and release
// the left button on the cursor's stack, Shift+Enter the right one, Escape drops the selection.
class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    // Lives as long as the view: it is the view's child.
    explicit KeyboardPlay(CGlossatilesView& view);

    // The stack under the cursor while the cursor is shown.
    std::optional<BoardPosition> ShownCursor() const;

signals:
    // The cursor was shown, moved or hidden.
    void CursorChanged(std::optional<BoardPosition> stack);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Hidden, Shown };
    // Which button a held key stands for, so its release goes to the same one.
    enum class HeldKey { None, Pick, Peek };

    bool KeyPressed(const QKeyEvent& key);
    bool KeyReleased(const QKeyEvent& key);
    // The held key's release, as if it had come: a window that opens while the key is down
    // takes the real one.
    void ReleaseHeldKey();
    void Move(int key);
    void PressOnCursor(HeldKey held);
    void OnPlayEvent(const PlayEvent& event);
    void Show(BoardPosition stack);
    void Hide();
    // The cursor's stack, or where the cursor starts when it has none with a tile.
    BoardPosition StartingStack() const;
    // Where a key press lands, in board units.
    QPoint CursorCentre() const;

    CGlossatilesView& view_;
    Mode mode_ = Mode::Hidden;
    BoardPosition cursor_;
    HeldKey held_ = HeldKey::None;
};
