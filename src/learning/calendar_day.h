#pragma once

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// A calendar day; reviews are dated by the player's local day, not by UTC.
using Day = std::chrono::sys_days;

// The local calendar day at `time`.
Day LocalDay(std::time_t time);
// "2026-12-07".
std::string DayText(Day day);
// A day written as DayText writes it; nullopt for anything else.
std::optional<Day> ParseDay(std::string_view text);
