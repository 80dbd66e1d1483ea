#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How one pair fared in one finished game.
struct PairOutcome {
    std::string textA;
    std::string textB;
    std::int32_t missed = 0;
    std::int32_t hinted = 0;
    std::int32_t peeked = 0;
};

// One finished game of a list. Times are seconds since 1970 (UTC).
struct GameResult {
    std::string listPath;
    std::string fingerprint;
    std::int64_t finishedAt = 0;
    std::int64_t seconds = 0;
    std::int32_t pairs = 0;
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
    std::int32_t hints = 0;
    std::int32_t peeks = 0;
    bool assisted = false;
    std::int32_t undos = 0;
    // Every pair that was on the board.
    std::vector<PairOutcome> outcomes;
};

// A pair's totals over all finished games of its list; lastMissed is 0 when never missed.
struct PairTotal {
    std::string textA;
    std::string textB;
    std::int64_t seen = 0;
    std::int64_t missed = 0;
    std::int64_t hinted = 0;
    std::int64_t peeked = 0;
    std::int64_t lastMissed = 0;
};

// How many of a list's hardest pairs are shown and dealt again.
inline constexpr int HardestPairCount = 20;

// correct ÷ (correct + wrong), or nullopt for a game without a pick.
inline std::optional<double> Accuracy(const GameResult& game) {
    const double picks = static_cast<double>(game.correct) + game.wrong;
    return picks > 0 ? std::optional(game.correct / picks) : std::nullopt;
}

// Where finished games are kept, list by list. Every call may fail (the store is the
// learner's file and may be anything); a failure leaves the reason in Problem().
class ProgressStore {
public:
    virtual ~ProgressStore() = default;

    virtual bool Record(const GameResult& game) = 0;
    // The list's games, oldest first (without their outcomes).
    virtual std::optional<std::vector<GameResult>> Games(const std::string& fingerprint) = 0;
    // Up to `limit` pairs of the list that were missed, most misses first.
    virtual std::optional<std::vector<PairTotal>> HardestPairs(const std::string& fingerprint,
                                                               int limit) = 0;
    virtual std::string Problem() const = 0;
};
