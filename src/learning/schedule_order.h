#pragma once

#include "learning/practice_round.h"
#include "learning/same_day_rule.h"

#include <cstddef>
#include <optional>
#include <vector>

struct GameState;
class ProgressStore;

// What a review on `day` of each pair of the game in play starts from, by the pair's place in
// its list; nullopt when the store cannot tell.
std::optional<std::vector<PairMemory>> MemoriesInPlay(const GameState& state, ProgressStore& store,
                                                      Day day);

// Up to `size` of `pairs` in the schedule's order: pairs due on `day` or earlier, most overdue
// first; then pairs never reviewed, in list order; then the others, soonest due first.
// `memories` are by the pair's place in the list, and a pair without one is new. Pairs that
// lack a word are left out.
std::vector<TypingPair> InScheduleOrder(const std::vector<TypingPair>& pairs,
                                        const std::vector<PairMemory>& memories, Day day,
                                        std::size_t size);

// A round in the schedule's order, as the learner's settings make it.
struct ScheduledRound {
    std::vector<TypingPair> pairs;
    // By the pair's place in the list; every pair new when the store could not be read.
    std::vector<PairMemory> memories;
    ReviewSettings settings;
    // False when the store could not be read: the round then schedules with the defaults.
    bool read = true;
};

// Up to the review size of `pairs` of the game in play, in the schedule's order on `day`.
ScheduledRound PlanScheduledRound(const GameState& state, const std::vector<TypingPair>& pairs,
                                  ProgressStore& store, Day day);
