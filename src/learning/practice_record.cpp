#include "learning/practice_record.h"

#include <algorithm>
#include <tuple>

Streaks StreaksOf(const std::vector<PracticeDay>& days, Day today) {
    Streaks streaks;
    int run = 0;
    std::optional<Day> previous;
    for (const PracticeDay& day : days) {
        if (day.pairs <= 0 || day.day > today) {
            continue;
        }
        run = previous && day.day - *previous == std::chrono::days(1) ? run + 1 : 1;
        previous = day.day;
        streaks.longest = std::max(streaks.longest, run);
    }
    // Yesterday's run still stands while today may yet be practised.
    if (previous && today - *previous <= std::chrono::days(1)) {
        streaks.current = run;
    }
    return streaks;
}

void SortStandings(std::vector<ListStanding>& lists) {
    std::stable_sort(lists.begin(), lists.end(), [](const ListStanding& a, const ListStanding& b) {
        return std::tie(b.dueToday, b.lastPractice, a.path) <
               std::tie(a.dueToday, a.lastPractice, b.path);
    });
}
