#include "learning/game_record.h"

#include "game/board_geometry.h"
#include "game/game_state.h"

#include <algorithm>
#include <set>

void GameRecord::Start(const GameState& state, std::time_t now) {
    *this = GameRecord();
    startedAt_ = now;
    const std::set<std::int32_t> onBoard(state.AssignmentArray.begin(),
                                         state.AssignmentArray.end());
    std::copy_if(onBoard.begin(), onBoard.end(), std::back_inserter(seen_),
                 [](std::int32_t pair) { return pair != NoPair; });
}

void GameRecord::Assist(std::int32_t pair) {
    if (pair != NoPair) {
        CountOne(pairs_[pair].assisted);
        assisted_ = true;
    }
}

bool GameRecord::Hear(const GameState& state, const PlayEvent& event, std::time_t now) {
    switch (event.kind) {
    case PlayEventKind::GameStarted:
        Start(state, now);
        return false;
    case PlayEventKind::WrongPick: {
        // Both tiles are still on the board, so their cells name their pairs.
        const std::int32_t selected = PairAt(state, event.firstCell);
        const std::int32_t other = PairAt(state, event.secondCell);
        if (selected == NoPair) {
            return false;
        }
        PairRecord& record = pairs_[selected];
        CountOne(record.missed);
        if (other != NoPair && std::find(record.confusedWith.begin(), record.confusedWith.end(),
                                         other) == record.confusedWith.end()) {
            record.confusedWith.push_back(other);
        }
        return false;
    }
    case PlayEventKind::Peeked: {
        const std::int32_t pair = PairAt(state, event.firstCell);
        if (pair != NoPair) {
            CountOne(pairs_[pair].peeked);
            CountOne(peeks_);
        }
        return false;
    }
    case PlayEventKind::PairHinted:
        Assist(event.pair);
        return false;
    case PlayEventKind::PairAutoRemoved:
        Assist(event.pair);
        break;
    case PlayEventKind::PairMatched:
        break;
    case PlayEventKind::RemovalUndone:
        CountOne(undos_);
        return false;
    default:
        return false;
    }
    // A removal: the game ends with the last tile, and is reported once even when undo and
    // redo empty the board again.
    if (finished_ || !state.HasBoard() || !NoTileLeft(state)) {
        return false;
    }
    finished_ = true;
    finishedAt_ = now;
    return true;
}

std::vector<std::int32_t> HardestFirst(const std::map<std::int32_t, PairRecord>& pairs) {
    std::vector<std::int32_t> order;
    for (const auto& [pair, record] : pairs) {
        if (record.Troubled()) {
            order.push_back(pair);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&pairs](std::int32_t a, std::int32_t b) {
        const PairRecord& first = pairs.at(a);
        const PairRecord& second = pairs.at(b);
        if (first.missed != second.missed) {
            return first.missed > second.missed;
        }
        return first.assisted + first.peeked > second.assisted + second.peeked;
    });
    return order;
}
