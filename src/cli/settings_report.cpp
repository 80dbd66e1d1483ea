#include "cli/settings_report.h"

std::string SettingsReport(const SettingTexts& texts) {
    std::string report;
    for (const NumberSetting& setting : Setting::Numbers) {
        report += std::string(setting.key) + ": " +
                  SettingText(setting, SettingValue(texts, setting)) + "\n";
    }
    return report;
}
