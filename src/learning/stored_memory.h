#pragma once

#include "learning/memory_fit.h"
#include "learning/progress_store.h"

#include <chrono>
#include <cstdint>
#include <optional>

// What fitting the memory model to the learner's review log came to.
struct StoredLogFit {
    // Nullopt when the fit was stopped, or the store failed.
    std::optional<MemoryFit> fit;
    // The fit was kept in the store.
    bool kept = false;
    // It was kept, and its weights replaced those in use: every schedule follows them.
    bool adopted = false;
    // Why the store failed.
    std::optional<Message> problem;
};

// Fits the memory model to the review log kept in `store`, judged beside the weights in use.
// With `keep`, a fit judged on any review is kept as made at `now` (seconds since 1970), and
// adopted when it predicts the reviews better. A fit that `progress` stops keeps nothing. Takes
// seconds on a long log: a window runs it away from its event loop, with a store of its own.
StoredLogFit FitStoredLog(ProgressStore& store, std::int64_t now, bool keep,
                          const FitProgress& progress = {});

// A fit runs by itself when this long has passed since the last one, and the learner's log has
// this many more reviews to predict than it had then.
inline constexpr std::chrono::seconds AutomaticFitInterval = std::chrono::days(30);
inline constexpr std::int64_t NewItemsForAutomaticFit = 64;

// Whether a fit should run by itself at `now`; nullopt when the store cannot be read.
std::optional<bool> AutomaticFitDue(ProgressStore& store, std::int64_t now);

// The reviews a day the scheduled pairs are expected to ask for over the ForecastDays days from
// `today`, if the retention were `retention`: what choosing it costs.
std::optional<double> ExpectedReviewsPerDayAt(ProgressStore& store, Day today, double retention);
