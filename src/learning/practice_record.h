#pragma once

#include "learning/calendar_day.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How many different pairs were practised on one local day.
struct PracticeDay {
    Day day;
    std::int64_t pairs = 0;
};

// Runs of consecutive days with practice.
struct Streaks {
    int current = 0;
    int longest = 0;
};

// `days` in order, each once. A today not practised yet does not end the current streak.
Streaks StreaksOf(const std::vector<PracticeDay>& days, Day today);

// A list as the learner knows it: the file at `path`, as the newest version played there.
struct ListStanding {
    std::string path;
    std::string description;
    std::string fingerprint;
    // Counted by their words, so that a pair edited into the same words counts once.
    std::int64_t pairs = 0;
    std::int64_t dueToday = 0;
    std::int64_t mature = 0;
    // Seconds since 1970 (UTC) of the last game finished at that path.
    std::int64_t lastPractice = 0;
    bool fileExists = true;
};

// Most due first, then the most recently practised.
void SortStandings(std::vector<ListStanding>& lists);

// How many pairs fall due on one day.
struct DueDay {
    Day day;
    std::int64_t pairs = 0;
};

// The schedule's next work as seen from one day.
struct DueOutlook {
    // Due on that day or earlier.
    std::int64_t dueNow = 0;
    // The first later day with pairs due, if any.
    std::optional<DueDay> next;
};

// What the progress database knows of the learner's practice, as of one day.
struct PracticeRecord {
    // Oldest first, only the days with practice.
    std::vector<PracticeDay> days;
    std::vector<ListStanding> lists;
    DueOutlook due;
};
