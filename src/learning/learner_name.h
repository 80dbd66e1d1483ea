#pragma once

#include <optional>
#include <string>

class ProgressStore;

// The learner's name, asked once and kept in the progress database's settings table, so that
// every results file the learner writes carries the same one.
inline constexpr const char* LearnerNameKey = "learner_name";

// The name kept; empty when none is. Nullopt when the store could not be read.
std::optional<std::string> KeptLearnerName(ProgressStore& store);
bool KeepLearnerName(ProgressStore& store, const std::string& name);
