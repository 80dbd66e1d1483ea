#pragma once

#include "learning/review_record.h"
#include "learning/review_scheduler.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// A review log played again through the scheduler, with weights or a retention other than
// those it was made with: each review the schedule counts, in the order of the log (a row
// without a grade from 1 to 4 counts for nothing).
struct ReplayedLog {
    // For each row of the log, its pair's schedule just before it: after every counted review
    // above it (nullopt before the pair's first).
    std::vector<std::optional<Schedule>> before;
    // Each pair's schedule after its last counted review.
    std::map<std::string, Schedule> schedules;
};

ReplayedLog ReplayReviews(const std::vector<ReviewRecord>& log, const ReviewSettings& settings);
