#include "learning/review_replay.h"

#include "learning/same_day_rule.h"

#include <unordered_map>

namespace {

struct PairReplay {
    std::optional<Schedule> schedule;
    std::optional<Day> dayIs;
    ReviewDay day;
    // The rows counted on that day, which a recalled answer takes back.
    std::vector<std::size_t> countedToday;
};

} // namespace

ReplayedLog ReplayReviews(const std::vector<ReviewRecord>& log, const ReviewSettings& settings) {
    ReplayedLog replayed;
    replayed.counted.assign(log.size(), false);
    replayed.before.reserve(log.size());
    std::unordered_map<std::string_view, PairReplay> pairs;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const ReviewRecord& record = log[i];
        PairReplay& pair = pairs[record.pair];
        replayed.before.push_back(pair.schedule);
        if (!IsGrade(record.grade)) {
            continue;
        }
        if (pair.dayIs != record.day) {
            pair.dayIs = record.day;
            pair.day = {};
            pair.countedToday.clear();
        }
        const ReviewEffect effect =
            NextReview(pair.schedule, pair.day, record.day, record.grade, record.source, settings);
        replayed.before.back() = effect.before;
        if (!effect.counted) {
            continue;
        }
        if (effect.uncountsDay) {
            for (const std::size_t row : pair.countedToday) {
                replayed.counted[row] = false;
            }
            pair.countedToday.clear();
        }
        if (!pair.day.recallCounted) {
            pair.day.before = effect.before;
        }
        pair.day.recallCounted = IsRecall(record.source);
        pair.countedToday.push_back(i);
        replayed.counted[i] = true;
        pair.schedule = effect.after;
    }
    for (auto& [name, pair] : pairs) {
        if (pair.schedule) {
            replayed.schedules.emplace(std::string(name), *pair.schedule);
        }
    }
    return replayed;
}
