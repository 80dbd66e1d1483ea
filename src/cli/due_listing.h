#pragma once

#include "learning/progress_store.h"

#include <string>
#include <vector>

// One line per pair, "due-date⇥word⇥translation⇥list description", in the order given.
std::string DueListing(const std::vector<ScheduledPair>& pairs);
