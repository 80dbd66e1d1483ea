#include "learning/calendar_day.h"

#include <charconv>
#include <cstdio>

Day LocalDay(std::time_t time) {
    std::tm parts{};
    localtime_r(&time, &parts);
    return std::chrono::year(parts.tm_year + 1900) /
           std::chrono::month(static_cast<unsigned>(parts.tm_mon + 1)) /
           std::chrono::day(static_cast<unsigned>(parts.tm_mday));
}

std::string DayText(Day day) {
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<Day> ParseDay(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto number = [text](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + from;
        const auto [end, error] = std::from_chars(first, first + length, value);
        if (error != std::errc() || end != first + length) {
            return std::nullopt;
        }
        return value;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    return Day(date);
}
