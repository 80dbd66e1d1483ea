#pragma once

#include "game/deal.h"
#include "learning/practice_pairs.h"
#include "learning/progress_store.h"
#include "words/word_pair.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct GameState;
class GameHost;

// The pairs at `indices` of the list in play, in list order whatever the order given.
PracticePairs PairsAt(const GameState& state, std::vector<std::int32_t> indices);

// Pairs of the list in play matched by their two words, in list order: the hardest pairs the
// progress store names.
PracticePairs PairsNamed(const GameState& state,
                         const std::vector<std::pair<std::string, std::string>>& words);

// `what` (say "Missed pairs"), ": " and the list's description, cut to fit.
std::string PracticeDescription(std::string_view what, std::string_view listDescription);

// A New Game3 deal of `pairs` as a list of their own, described and titled as `what` of the
// list, and kept in the progress records as a game of `kind` of that list. The list's file is
// not touched, and Save asks for a new file so that this game cannot overwrite one of the
// whole list.
DealOutcome DealPractice(GameState& state, GameHost& host, PracticePairs pairs, const char* what,
                         std::string_view kind);

inline constexpr const char* TodaysReviewTitle = GT_TEXT("Message", "Today's Review");
inline constexpr const char* MissedPairsTitle = GT_TEXT("Message", "Missed pairs");
inline constexpr const char* HardestPairsTitle = GT_TEXT("Message", "Hardest pairs");

// Today's Review: a New Game3 deal of scheduled pairs from any number of lists, from the words
// the progress store keeps.
DealOutcome DealReview(GameState& state, GameHost& host, const std::vector<ScheduledPair>& due);
