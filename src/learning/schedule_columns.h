#pragma once

#include "learning/review_scheduler.h"

#include <optional>

struct sqlite3_stmt;

// A schedule as a row holds it from `column` on: stability, difficulty, last review, due,
// reps, lapses. Nullopt when the dates cannot be read, or the first column is NULL.
std::optional<Schedule> ScheduleAt(sqlite3_stmt* row, int column);

// Binds the same six values from parameter `index` on; NULLs for no schedule.
void BindSchedule(sqlite3_stmt* statement, int index, const std::optional<Schedule>& schedule);
