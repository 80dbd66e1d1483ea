#include "learning/learning_session.h"

#include "game/game_host.h"
#include "learning/game_report.h"

bool LearningSession::Hear(const GameState& state, GameHost& host, const PlayEvent& event,
                           std::time_t now) {
    if (!record_.Hear(state, event, now)) {
        return false;
    }
    // Each failure is noted: a note the player closed comes back with the next one.
    if (!store_.Record(GameResultOf(state, record_))) {
        host.ReportNote(NoteTopic::ProgressNotKept, ProgressNotKept(store_));
    }
    return true;
}
