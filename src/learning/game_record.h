#pragma once

#include "game/play_event.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <vector>

struct GameState;

// What one pair went through in the game in play.
struct PairRecord {
    std::int32_t missed = 0;
    // Hinted, or removed by automatic play.
    std::int32_t assisted = 0;
    std::int32_t peeked = 0;
    // Pairs whose tiles were picked as this one's partner, each once, first confusion first.
    std::vector<std::int32_t> confusedWith;

    bool Troubled() const { return missed > 0 || assisted > 0 || peeked > 0; }
};

// The record of the game in play, built from its events alone, so it knows only what
// happened since the game started (a loaded game's earlier picks are not in its file).
class GameRecord {
public:
    // True exactly once per game: when this event took the last tile off the board.
    bool Hear(const GameState& state, const PlayEvent& event, std::time_t now);

    // Per pair (its place in the list) what it went through; pairs without trouble are absent.
    const std::map<std::int32_t, PairRecord>& Pairs() const { return pairs_; }
    // The pairs with at least one tile on the board when the game started, in list order.
    const std::vector<std::int32_t>& SeenPairs() const { return seen_; }
    std::time_t StartedAt() const { return startedAt_; }
    std::time_t FinishedAt() const { return finishedAt_; }
    bool Finished() const { return finished_; }
    bool Assisted() const { return assisted_; }
    std::int32_t Peeks() const { return peeks_; }
    std::int32_t Undos() const { return undos_; }

private:
    void Start(const GameState& state, std::time_t now);
    void Assist(std::int32_t pair);

    std::map<std::int32_t, PairRecord> pairs_;
    std::vector<std::int32_t> seen_;
    std::time_t startedAt_ = 0;
    std::time_t finishedAt_ = 0;
    bool finished_ = false;
    bool assisted_ = false;
    std::int32_t peeks_ = 0;
    std::int32_t undos_ = 0;
};

// The troubled pairs, hardest first: most misses, then most help, then list order.
std::vector<std::int32_t> HardestFirst(const std::map<std::int32_t, PairRecord>& pairs);
