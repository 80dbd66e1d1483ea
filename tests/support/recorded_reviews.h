#pragma once

#include "learning/progress_store.h"

#include <cstdint>
#include <vector>

// Noon of `day` in local time, when a game may finish.
std::int64_t NoonOf(Day day);

// Keeps a review log in `store` as the games that would have made it: a board game, or a
// typing round for typed reviews, of the pairs "NAME" = "to NAME" of one list, each pair once
// in a game. False when the store failed.
bool RecordReviews(ProgressStore& store, const std::vector<ReviewRecord>& log);
