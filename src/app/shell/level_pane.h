#pragma once

#include <QLabel>

class CGlossatilesView;
class QStatusBar;

// The status-bar pane that tells which level the board shows: "All levels" or "Level 3 of 12".
// It follows every repaint the view asks for, as each change of the level asks for one.
class LevelPane : public QLabel {
    Q_OBJECT
public:
    LevelPane(const CGlossatilesView& view, QStatusBar* statusBar);

    void Refresh();

private:
    const CGlossatilesView& view_;
};
