#pragma once

#include "learning/game_record.h"
#include "learning/progress_store.h"

#include <ctime>

class GameHost;
struct GameState;

// Follows the game in play and keeps each won game in the progress store. A store that fails
// never stops play: the game goes on, and a note says why progress is not kept.
class LearningSession {
public:
    explicit LearningSession(ProgressStore& store) : store_(store) {}

    // True when this event, at `now`, won the game; its result is stored by then.
    bool Hear(const GameState& state, GameHost& host, const PlayEvent& event, std::time_t now);
    const GameRecord& Record() const { return record_; }

private:
    ProgressStore& store_;
    GameRecord record_;
};
