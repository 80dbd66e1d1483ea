#pragma once

#include <QtGlobal>

class QKeyEvent;

// Tells a held key's repeats from new presses. Qt flags most repeats, but under load its X11
// plugin delivers them as a release and a press with no flag, and other platforms differ
// again: a press of the key released less than RepeatGap before is the key still held.
class HeldKey {
public:
    static constexpr int RepeatGap = 50; // milliseconds, by the events' own timestamps

    // Call for every press and release in order; a release is only noted. Asking twice about
    // one event, as a filter on a widget and its parent does, gives the same answer.
    bool IsRepeat(const QKeyEvent& key);

private:
    int released_ = 0;
    quint64 releasedAt_ = 0;
};
