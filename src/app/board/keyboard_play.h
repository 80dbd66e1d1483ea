#pragma once

#include "game/board_position.h"
#include "game/play_event.h"
#include "view/dialogs/held_key.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <optional>

class CGlossatilesView;
class GameInPlay;
class QKeyEvent;

// Play without a mouse. The cursor marks one stack; it stays hidden until the first cursor key
// and hides again at any mouse press on the board. Enter, Return and Space pick the cursor's
// stack as a left press and release there would, Shift+Enter peeks as the right button does,
// Escape drops the selection. A wrong pick stays marked for a moment. A held key picks or peeks
// once, however its repeats arrive.
class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    // Lives as long as the view: it is the view's child. Hears play through `game`.
    KeyboardPlay(CGlossatilesView& view, GameInPlay& game);

    // The stack under the cursor while the cursor is shown.
    std::optional<BoardPosition> ShownCursor() const;

signals:
    // The cursor was shown, moved or hidden.
    void CursorChanged(std::optional<BoardPosition> stack);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Hidden, Shown };
    // Whether a held key picks or peeks, so that its release ends the same one.
    enum class Held { None, Pick, Peek };

    bool KeyPressed(const QKeyEvent& key);
    bool KeyReleased(const QKeyEvent& key);
    // The held key's release, as if it had come: a window that opens while the key is down
    // takes the real one.
    void ReleaseHeldKey();
    // Ends at once the moment a keyboard player's wrong pick stays marked.
    void WipeWrongMark();
    void Move(int key);
    void PressOnCursor(Held held);
    void OnPlayEvent(const PlayEvent& event);
    void Show(BoardPosition stack);
    void Hide();
    // The cursor's stack, or where the cursor starts when it has none with a tile.
    BoardPosition StartingStack() const;
    // Where a key press lands, in board units.
    QPoint CursorCentre() const;

    CGlossatilesView& view_;
    GameInPlay& game_;
    Mode mode_ = Mode::Hidden;
    BoardPosition cursor_;
    Held held_ = Held::None;
    HeldKey heldKey_;
    // A release waits to see whether the key is pressed again at once, as a repeat is.
    QTimer releaseLater_;
    // A key is let go too soon for the wrong mark to be seen: it stays a moment, or until the
    // next key.
    QTimer wrongMarkShown_;
};
