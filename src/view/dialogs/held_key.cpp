#include "view/dialogs/held_key.h"

#include <QKeyEvent>

bool HeldKey::IsRepeat(const QKeyEvent& key) {
    if (key.isAutoRepeat()) {
        return true;
    }
    if (key.type() == QEvent::KeyRelease) {
        released_ = key.key();
        releasedAt_ = key.timestamp();
        return false;
    }
    return key.key() == released_ && key.timestamp() >= releasedAt_ &&
           key.timestamp() - releasedAt_ < static_cast<quint64>(RepeatGap);
}
