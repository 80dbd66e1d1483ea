#include "learning/schedule_columns.h"

#include "learning/sqlite_handles.h"

std::optional<Schedule> ScheduleAt(sqlite3_stmt* row, int column) {
    if (sqlite3_column_type(row, column) == SQLITE_NULL) {
        return std::nullopt;
    }
    const std::optional<Day> last = ParseDay(Text(row, column + 2));
    const std::optional<Day> due = ParseDay(Text(row, column + 3));
    if (!last || !due) {
        return std::nullopt;
    }
    return Schedule{{sqlite3_column_double(row, column), sqlite3_column_double(row, column + 1)},
                    *last,
                    *due,
                    sqlite3_column_int(row, column + 4),
                    sqlite3_column_int(row, column + 5)};
}

void BindSchedule(sqlite3_stmt* statement, int index, const std::optional<Schedule>& schedule) {
    if (!schedule) {
        for (int i = 0; i < 6; ++i) {
            sqlite3_bind_null(statement, index + i);
        }
        return;
    }
    sqlite3_bind_double(statement, index, schedule->memory.stability);
    sqlite3_bind_double(statement, index + 1, schedule->memory.difficulty);
    Bind(statement, index + 2, DayText(schedule->lastReview));
    Bind(statement, index + 3, DayText(schedule->due));
    sqlite3_bind_int(statement, index + 4, schedule->reps);
    sqlite3_bind_int(statement, index + 5, schedule->lapses);
}
