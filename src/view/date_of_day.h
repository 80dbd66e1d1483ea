#pragma once

#include "learning/calendar_day.h"

#include <QDate>

// The calendar day as Qt's widgets and locales take it.
inline QDate DateOf(Day day) {
    const std::chrono::year_month_day date(day);
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}
