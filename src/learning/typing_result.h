#pragma once

#include "game/pair_key.h"
#include "learning/progress_store.h"
#include "learning/typing_round.h"

#include <ctime>
#include <string>

namespace GameKind {
inline constexpr const char* Typing = "typing";
} // namespace GameKind

// A typing round as the progress store keeps it: a game of its own kind whose correct count is
// the pairs right at the first try and whose wrong count those still wrong at the end, so that
// pairs − correct − wrong were right after a retry. Each pair answered gets its grade, under
// the key `identity` gives its place in the list in play.
GameResult TypingRoundResult(const TypingRound& round, const GameIdentity& identity,
                             const std::string& listPath, std::time_t finishedAt);
