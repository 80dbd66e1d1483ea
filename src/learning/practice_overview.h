#pragma once

#include "learning/practice_record.h"
#include "learning/progress_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Everything the home page and `--stats` show.
struct PracticeOverview {
    Day today;
    std::int64_t practisedToday = 0;
    std::int64_t goal = 0;
    Streaks streaks;
    DueOutlook summary;
    std::vector<PracticeDay> days;
    // Sorted, each marked whether its file is still there.
    std::vector<ListStanding> lists;
};

// Nullopt when the store could not be read (its Problem() says why).
std::optional<PracticeOverview> ReadPracticeOverview(ProgressStore& store, Day today);

// The lines of `glossatiles-cli --stats`.
std::string StatsReport(const PracticeOverview& overview);
