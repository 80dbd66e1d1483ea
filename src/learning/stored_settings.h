#pragma once

#include "learning/review_scheduler.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class ProgressStore;

// The rows of the progress database's settings table: each value as text under its key.
using SettingTexts = std::map<std::string, std::string, std::less<>>;

// A number kept in the settings table, where the window and the command line both find it.
struct NumberSetting {
    std::string_view key;
    double fallback;
    double low;
    double high;
    bool whole = false;
    // A change is made in every schedule at once: they are replayed from the review log.
    bool reschedules = false;
};

// Every setting, by the key of its row.
namespace Setting {
inline constexpr NumberSetting Retention{
    "retention", DefaultRetention, MinimumRetention, MaximumRetention, false, true};
// The most pairs one Today's Review deals.
inline constexpr NumberSetting ReviewPairs{"review_pairs", 60, 1, 10000, true, false};
inline constexpr NumberSetting DailyGoal{"daily_goal", 20, 1, 1000, true, false};
inline constexpr std::array Numbers{Retention, ReviewPairs, DailyGoal};
} // namespace Setting

// The setting of that key; null for none.
const NumberSetting* SettingNamed(std::string_view key);

// `text` as a value of the setting; nullopt when it is no number, not whole where it should
// be, or out of range.
std::optional<double> ParseSetting(const NumberSetting& setting, std::string_view text);
// The value kept, brought into range; the fallback when none is or it cannot be read.
double SettingValue(const SettingTexts& texts, const NumberSetting& setting);
// As the table keeps it.
std::string SettingText(const NumberSetting& setting, double value);

// Through the store; nullopt or false when it failed (its Problem() says why).
std::optional<double> ReadSetting(ProgressStore& store, const NumberSetting& setting);
// The value is brought into range first.
bool WriteSetting(ProgressStore& store, const NumberSetting& setting, double value);
