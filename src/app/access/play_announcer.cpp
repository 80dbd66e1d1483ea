#include "app/access/play_announcer.h"

#include "app/access/announcer.h"
#include "app/access/spoken_side.h"
#include "app/base/game_in_play.h"
#include "game/board_geometry.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/play_status_text.h"
#include "view/board/message_text.h"

#include <QTimer>

namespace {

bool PartOfFastRun(const GameState& state, const PlayEvent& event) {
    return event.kind == PlayEventKind::PairAutoRemoved && state.AutoInterval < SlowAutoInterval;
}

} // namespace

PlayAnnouncer::PlayAnnouncer(GameInPlay& game) : QObject(&game), game_(game) {
    connect(&game, &GameInPlay::PlayEventOccurred, this, &PlayAnnouncer::OnPlayEvent);
}

void PlayAnnouncer::OnPlayEvent(const PlayEvent& event) {
    const GameState& state = game_.State();
    const std::optional<Message> status = PlayStatusText(state, event);
    if (status) {
        writingStatus_ = true;
        game_.Host().ReportStatus(*status);
        writingStatus_ = false;
    }
    if (PartOfFastRun(state, event)) {
        // The run's last tick leaves no pair pending once it has returned.
        if (fastRemoved_++ == 0) {
            QTimer::singleShot(0, this, &PlayAnnouncer::OnFastRunTick);
        }
        return;
    }
    if (event.kind == PlayEventKind::TileSelected) {
        Announce(tr("%1, selected").arg(SpokenSide(WordShownAt(state, event.firstCell))));
    } else if (status) {
        Announce(MessageText(*status));
    }
}

void PlayAnnouncer::OnFastRunTick() {
    const GameState& state = game_.State();
    if (state.AutoRemovePending) {
        QTimer::singleShot(state.AutoInterval, this, &PlayAnnouncer::OnFastRunTick);
        return;
    }
    // A stuck board's note is announced by the notes bar as it comes up.
    const QString summary =
        MessageText(PluralMessage(GT_PLURAL_TEXT("Message", "Fast auto finish removed %n pairs."),
                                  "Fast auto finish removed %n pair.", fastRemoved_));
    fastRemoved_ = 0;
    Announce(summary);
}

void PlayAnnouncer::OnStatusNote(const QString& note) {
    if (!writingStatus_ && fastRemoved_ == 0) {
        Announce(note);
    }
}
