#include "app/shell/key_lock_indicators.h"

#include "app/shell/lock_key_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>

#include <QStatusBar>
#include <algorithm>

namespace {
constexpr std::array<const char*, 3> PaneTexts{QT_TRANSLATE_NOOP("KeyLockIndicators", "CAP"),
                                               QT_TRANSLATE_NOOP("KeyLockIndicators", "NUM"),
                                               QT_TRANSLATE_NOOP("KeyLockIndicators", "SCRL")};
}

KeyLockIndicators::KeyLockIndicators(QStatusBar* statusBar) : QObject(statusBar) {
    // All as wide as the widest text, in whichever language.
    int widest = 0;
    for (const char* text : PaneTexts) {
        widest = std::max(widest, statusBar->fontMetrics().horizontalAdvance(tr(text)));
    }
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* pane = new QLabel(tr(PaneTexts[i]), statusBar);
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(widest + 8);
        statusBar->addPermanentWidget(pane);
        panes_[i] = pane;
    }
    qGuiApp->installEventFilter(this);
    Refresh();
}

void KeyLockIndicators::Refresh() {
    const std::array<bool, 3> on = LockKeyStates();
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        panes_[i]->setEnabled(on[i]);
    }
}

bool KeyLockIndicators::eventFilter(QObject* watched, QEvent* event) {
    // A lock key changes with a key press, or while another program was active. Key events
    // reach the window before its widgets, so each is seen once here.
    const bool keyReleased = event->type() == QEvent::KeyRelease && watched->isWindowType();
    if (keyReleased || event->type() == QEvent::ApplicationActivate) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}
