#pragma once

#include "learning/memory_fit.h"
#include "learning/progress_store.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

// The settings and the memory model's fits in an open progress database of the current
// schema. False when a statement failed; sqlite3_errmsg tells why.
bool ReadSettingTexts(sqlite3* db, SettingTexts& texts);
bool WriteSettingText(sqlite3* db, std::string_view key, const std::string& text);
bool ReadKeptFits(sqlite3* db, KeptFits& fits);
bool InsertFit(sqlite3* db, const MemoryFit& fit, std::int64_t fittedAt, bool adopted);
// What schedules pairs now, from both.
bool ReadReviewSettings(sqlite3* db, ReviewSettings& settings);
