#include "learning/stored_memory.h"

#include "learning/memory_items.h"
#include "learning/review_load.h"

StoredLogFit FitStoredLog(ProgressStore& store, std::int64_t now, bool keep,
                          const FitProgress& progress) {
    StoredLogFit result;
    const std::optional<ReviewSettings> settings = StoredReviewSettings(store);
    const std::optional<std::vector<ReviewRecord>> log =
        settings ? store.ReviewLog() : std::nullopt;
    if (!log) {
        result.problem = store.Problem();
        return result;
    }
    result.fit = FitMemory(*log, settings->weights, progress);
    // A fit judged on no review says nothing worth keeping.
    if (!result.fit || !keep || result.fit->reviews == 0) {
        return result;
    }
    if (!store.KeepFit(*result.fit, now)) {
        result.fit.reset();
        result.problem = store.Problem();
        return result;
    }
    result.kept = true;
    result.adopted = result.fit->Better();
    return result;
}

std::optional<bool> AutomaticFitDue(ProgressStore& store, std::int64_t now) {
    const std::optional<KeptFits> fits = store.Fits();
    if (!fits) {
        return std::nullopt;
    }
    const std::optional<KeptFit>& last = fits->latest;
    if (last && now - last->fittedAt < AutomaticFitInterval.count()) {
        return false;
    }
    // The log is only read once the interval has passed.
    const std::optional<std::vector<ReviewRecord>> log = store.ReviewLog();
    if (!log) {
        return std::nullopt;
    }
    const auto items = static_cast<std::int64_t>(MemoryItems(*log).Items().size());
    return items - (last ? last->items : 0) >= NewItemsForAutomaticFit;
}

std::optional<double> ExpectedReviewsPerDayAt(ProgressStore& store, Day today, double retention) {
    std::optional<ReviewSettings> settings = StoredReviewSettings(store);
    const auto pairs = settings ? store.ScheduledPairs(EveryDay, -1) : std::nullopt;
    if (!pairs) {
        return std::nullopt;
    }
    std::vector<Schedule> schedules;
    schedules.reserve(pairs->size());
    for (const ScheduledPair& pair : *pairs) {
        schedules.push_back(pair.schedule);
    }
    settings->retention = retention;
    return ExpectedReviewsPerDay(schedules, today, *settings, ForecastDays);
}
