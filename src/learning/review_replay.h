#pragma once

#include "learning/review_record.h"
#include "learning/review_scheduler.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// A review log played again through the scheduler, as the progress database plays it when it
// merges pairs or when the weights or the retention change.
struct ReplayedLog {
    // For each row of the log: whether the schedule counts it, and its pair's schedule just
    // before it (nullopt before the pair's first counted review).
    std::vector<bool> counted;
    std::vector<std::optional<Schedule>> before;
    // Each pair's schedule after its last counted review.
    std::map<std::string, Schedule> schedules;
};

// Each pair's reviews in the order of the log, under the same-day rule: which rows count is
// decided again, whatever their `counted` says. A row without a grade from 1 to 4 counts for
// nothing. Each pair's days must not go back.
ReplayedLog ReplayReviews(const std::vector<ReviewRecord>& log, const ReviewSettings& settings);
