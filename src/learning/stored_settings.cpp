#include "learning/stored_settings.h"

#include "learning/progress_store.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

double Bounded(const NumberSetting& setting, double value) {
    if (!std::isfinite(value)) {
        return setting.fallback;
    }
    const double inRange = std::clamp(value, setting.low, setting.high);
    return setting.whole ? std::round(inRange) : inRange;
}

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && std::isfinite(value) ? std::optional(value)
                                                                     : std::nullopt;
}

} // namespace

const NumberSetting* SettingNamed(std::string_view key) {
    const auto found = std::find_if(Setting::Numbers.begin(), Setting::Numbers.end(),
                                    [key](const NumberSetting& each) { return each.key == key; });
    return found == Setting::Numbers.end() ? nullptr : &*found;
}

std::optional<double> ParseSetting(const NumberSetting& setting, std::string_view text) {
    const std::optional<double> value = Number(text);
    if (!value || *value < setting.low || *value > setting.high ||
        (setting.whole && *value != std::round(*value))) {
        return std::nullopt;
    }
    return value;
}

double SettingValue(const SettingTexts& texts, const NumberSetting& setting) {
    const auto found = texts.find(setting.key);
    if (found == texts.end()) {
        return setting.fallback;
    }
    const std::optional<double> value = Number(found->second);
    return value ? Bounded(setting, *value) : setting.fallback;
}

std::string SettingText(const NumberSetting& setting, double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, Bounded(setting, value));
    return error == std::errc() ? std::string(text, end) : std::string();
}

std::optional<double> ReadSetting(ProgressStore& store, const NumberSetting& setting) {
    const std::optional<SettingTexts> texts = store.Settings();
    return texts ? std::optional(SettingValue(*texts, setting)) : std::nullopt;
}

bool WriteSetting(ProgressStore& store, const NumberSetting& setting, double value) {
    return store.SetSetting(setting.key, SettingText(setting, value));
}
