#pragma once

#include <QLabel>

class QStatusBar;
struct GameState;

// The status-bar pane that tells which level the board shows: "All levels" or "Level 3 of 12".
// The frame refreshes it on every repaint the view asks for, as each change of the level asks
// for one.
class LevelPane : public QLabel {
    Q_OBJECT
public:
    LevelPane(const GameState& state, QStatusBar* statusBar);

    void Refresh();

private:
    const GameState& state_;
};
