#pragma once

#include "game/play_event.h"

// Whether the game in play changed since it was dealt, loaded or saved: what Exit asks about.
class UnsavedChanges {
public:
    // Every event of play but a new game's start is a change.
    void Hear(const PlayEvent& event) { changed_ = event.kind != PlayEventKind::GameStarted; }
    void Saved() { changed_ = false; }
    bool Any() const { return changed_; }

private:
    bool changed_ = false;
};
