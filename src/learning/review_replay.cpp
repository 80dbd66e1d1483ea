#include "learning/review_replay.h"

#include "learning/same_day_rule.h"

#include <unordered_map>

namespace {

struct PairReplay {
    PairMemory memory;
    std::optional<Day> dayIs;
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
        replayed.before.push_back(pair.memory.schedule);
        if (!IsGrade(record.grade)) {
            continue;
        }
        if (pair.dayIs != record.day) {
            pair.dayIs = record.day;
            pair.memory.day = {};
            pair.countedToday.clear();
        }
        const ReviewEffect effect = NextReview(pair.memory.schedule, pair.memory.day, record.day,
                                               record.grade, record.source, settings);
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
        pair.memory = Remembered(pair.memory, effect, record.source);
        pair.countedToday.push_back(i);
        replayed.counted[i] = true;
    }
    for (auto& [name, pair] : pairs) {
        if (pair.memory.schedule) {
            replayed.schedules.emplace(std::string(name), *pair.memory.schedule);
        }
    }
    return replayed;
}
