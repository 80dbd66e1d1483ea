#pragma once

#include "game/play_event.h"

#include <QObject>
#include <QString>

class CGlossatilesView;

// Puts each move into words: the status bar's note, and what a screen reader says. A pick is
// heard as "perro, selected"; every other note as the status bar shows it. Fast auto finish
// is heard once, when it stops.
class PlayAnnouncer : public QObject {
    Q_OBJECT
public:
    // Lives as long as the view: it is the view's child. Made before the keyboard cursor, so
    // that a match is heard before the tile the cursor lands on.
    explicit PlayAnnouncer(CGlossatilesView& view);

private:
    void OnPlayEvent(const PlayEvent& event);
    void OnStatusNote(const QString& note);
    void OnFastRunTick();

    CGlossatilesView& view_;
    // Set while this class writes the status bar itself, which it has said already.
    bool writingStatus_ = false;
    // Pairs Fast auto finish removed so far in its current run; 0 when none runs.
    int fastRemoved_ = 0;
};
