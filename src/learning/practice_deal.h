#pragma once

#include "game/deal.h"
#include "words/word_pair.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct GameState;
class GameHost;

// The pairs at `indices` of the list in play, in list order whatever the order given.
WordPairList PairsAt(const WordPairList& list, std::vector<std::int32_t> indices);

// Pairs of the list in play matched by their two words, in list order: the hardest pairs the
// progress store names.
WordPairList PairsNamed(const WordPairList& list,
                        const std::vector<std::pair<std::string, std::string>>& words);

// `what` (say "Missed pairs"), ": " and the list's description, cut to fit.
std::string PracticeDescription(std::string_view what, std::string_view listDescription);

// A New Game3 deal of `pairs` as a list of their own, described and titled as `what` of the
// list. The list's file is not touched, and Save asks for a new file so that this game cannot
// overwrite one of the whole list.
DealOutcome DealPractice(GameState& state, GameHost& host, WordPairList pairs,
                         std::string_view what);
