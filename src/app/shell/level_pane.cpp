#include "app/shell/level_pane.h"

#include "app/board/glossatiles_view.h"

#include <QStatusBar>

LevelPane::LevelPane(const CGlossatilesView& view, QStatusBar* statusBar)
    : QLabel(statusBar), view_(view) {
    setObjectName(QStringLiteral("LevelPane"));
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addPermanentWidget(this);
    connect(&view, &CGlossatilesView::RepaintRequested, this, &LevelPane::Refresh);
    Refresh();
}

void LevelPane::Refresh() {
    const GameState& state = view_.State();
    // The Draw Level dialog takes any number, so a level below the bottom one is named as typed.
    setText(state.DisplayedLevel <= 0
                ? tr("All levels")
                : tr("Level %1 of %2").arg(state.DisplayedLevel).arg(state.LevelCount));
}
