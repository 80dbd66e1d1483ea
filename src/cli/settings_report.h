#pragma once

#include "learning/stored_settings.h"

#include <string>

// Every setting as "key: value" lines, as the command line prints them.
std::string SettingsReport(const SettingTexts& texts);
