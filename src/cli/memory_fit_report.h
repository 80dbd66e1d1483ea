#pragma once

#include "learning/memory_fit.h"

#include <string>

// The fit as the command line prints it, one "key: value" line each: the 21 weights, the
// reviews judged, and the log loss and RMSE(bins) of the default and the fitted weights ("-"
// without reviews to judge on).
std::string MemoryFitReport(const MemoryFit& fit);
