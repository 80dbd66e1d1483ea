#pragma once

#include "learning/calendar_day.h"
#include "learning/memory_weights.h"

#include <cstdint>
#include <optional>

// How well a pair was recalled. The board gives Again, Hard and Good; Easy needs typing.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// False for a number read back from a file that is no grade.
inline bool IsGrade(Grade grade) {
    return grade >= Grade::Again && grade <= Grade::Easy;
}

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

// How much of what is learned the learner wants to remember when a pair comes back.
inline constexpr double DefaultRetention = 0.9;
inline constexpr double MinimumRetention = 0.7;
inline constexpr double MaximumRetention = 0.97;

// The memory model's weights and the desired retention; a retention outside its range is
// taken at the nearest end of it.
struct ReviewSettings {
    MemoryWeights weights = DefaultWeights;
    double retention = DefaultRetention;
};

// The schedule after one review graded `grade` on `day`; `before` is nullopt for a pair never
// reviewed. Long-term scheduling with the FSRS-6 model: a second review on one day is a review
// at full recall, no fuzz, intervals from 1 to 36,500 days.
Schedule Review(const std::optional<Schedule>& before, Day day, Grade grade,
                const ReviewSettings& settings = {});

// The days from a review that left `stability` until recall falls to the desired retention,
// from 1 to 36,500.
int IntervalDays(double stability, const ReviewSettings& settings);

// True when a state read back from a file can be scheduled from.
bool Usable(const MemoryState& memory);
