#pragma once

#include "game/play_event.h"

#include <QObject>
#include <QString>

class GameInPlay;

// Puts each move into words: the status bar's note, and what a screen reader says. A pick is
// heard as "perro, selected"; every other note as the status bar shows it. Fast auto finish
// is heard once, when it stops.
class PlayAnnouncer : public QObject {
    Q_OBJECT
public:
    // Lives as long as the game: it is the game's child. Made before the keyboard cursor, so
    // that a match is heard before the tile the cursor lands on.
    explicit PlayAnnouncer(GameInPlay& game);

public slots:
    // Every note the status bar shows.
    void OnStatusNote(const QString& note);

private:
    void OnPlayEvent(const PlayEvent& event);
    void OnFastRunTick();

    GameInPlay& game_;
    // Set while this class writes the status bar itself, which it has said already.
    bool writingStatus_ = false;
    // Pairs Fast auto finish removed so far in its current run; 0 when none runs.
    int fastRemoved_ = 0;
};
