#include "learning/practice_overview.h"

#include <filesystem>
#include <system_error>

std::optional<PracticeOverview> ReadPracticeOverview(ProgressStore& store, Day today) {
    std::optional<PracticeRecord> record = store.Practice(today);
    const std::optional<SettingTexts> settings = record ? store.Settings() : std::nullopt;
    if (!settings) {
        return std::nullopt;
    }
    PracticeOverview overview;
    overview.today = today;
    overview.goal = static_cast<std::int64_t>(SettingValue(*settings, Setting::DailyGoal));
    overview.summary = record->due;
    overview.streaks = StreaksOf(record->days, today);
    if (!record->days.empty() && record->days.back().day == today) {
        overview.practisedToday = record->days.back().pairs;
    }
    overview.days = std::move(record->days);
    overview.lists = std::move(record->lists);
    for (ListStanding& list : overview.lists) {
        std::error_code error;
        list.fileExists = std::filesystem::exists(list.path, error);
    }
    SortStandings(overview.lists);
    return overview;
}

std::string StatsReport(const PracticeOverview& overview) {
    const auto line = [](const char* key, std::int64_t value) {
        return std::string(key) + ": " + std::to_string(value) + "\n";
    };
    return line("today", overview.practisedToday) + line("goal", overview.goal) +
           line("streak", overview.streaks.current) +
           line("longest-streak", overview.streaks.longest) +
           line("due-today", overview.summary.dueNow) +
           line("lists", static_cast<std::int64_t>(overview.lists.size()));
}
