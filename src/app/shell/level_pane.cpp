#include "app/shell/level_pane.h"

#include "game/game_state.h"

#include <QStatusBar>

LevelPane::LevelPane(const GameState& state, QStatusBar* statusBar)
    : QLabel(statusBar), state_(state) {
    setObjectName(QStringLiteral("LevelPane"));
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addPermanentWidget(this);
    Refresh();
}

void LevelPane::Refresh() {
    // The Draw Level dialog takes any number, so a level below the bottom one is named as typed.
    setText(state_.DisplayedLevel <= 0
                ? tr("All levels")
                : tr("Level %1 of %2").arg(state_.DisplayedLevel).arg(state_.LevelCount));
}
