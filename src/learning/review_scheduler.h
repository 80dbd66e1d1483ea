#pragma once

#include "learning/calendar_day.h"

#include <cstdint>
#include <optional>

// How well a pair was recalled. The board gives Again, Hard and Good; Easy needs typing.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the memory model knows of one pair: stability in days (the interval after which recall
// falls to 90 %) and difficulty from 1 to 10.
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// A pair's place in the schedule.
struct Schedule {
    MemoryState memory;
    Day lastReview;
    Day due;
    std::int32_t reps = 0;
    std::int32_t lapses = 0;
};

// The schedule after one review graded `grade` on `day`; `before` is nullopt for a pair never
// reviewed. Long-term scheduling with the FSRS-6 default weights: one review a day at most
// counts as a step, no fuzz, desired retention 0.9, intervals from 1 to 36,500 days.
Schedule Review(const std::optional<Schedule>& before, Day day, Grade grade);

// True when a state read back from a file can be scheduled from.
bool Usable(const MemoryState& memory);
