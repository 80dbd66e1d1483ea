#pragma once

#include "learning/calendar_day.h"

// The day on which the tests' learners practise, unless a test moves the clock.
inline const Day Today = std::chrono::year(2026) / std::chrono::December / 7;
