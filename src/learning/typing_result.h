#pragma once

#include "learning/progress_store.h"
#include "learning/typing_round.h"

#include <ctime>

struct GameState;

// A typing round as the progress store keeps it: a game of its own kind whose correct count is
// the pairs right at the first try and whose wrong count those still wrong at the end, so that
// pairs − correct − wrong were right after a retry. Each pair answered gets its grade, as the
// pair at its place in the list in play.
GameResult TypingRoundResult(const TypingRound& round, const GameState& state,
                             std::time_t finishedAt);
