#pragma once

#include "learning/practice_round.h"
#include "learning/progress_store.h"

#include <ctime>

struct GameState;

// A practice round as the progress store keeps it: a game of the round's kind whose correct
// count is the pairs right at the first answer and whose wrong count those still wrong at the
// end, so that pairs − correct − wrong were right when they came back. Each pair answered gets
// its review, as the pair at its place in the list in play.
GameResult RoundResult(const PracticeRound& round, const GameState& state, std::time_t finishedAt);
