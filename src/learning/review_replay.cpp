#include "learning/review_replay.h"

ReplayedLog ReplayReviews(const std::vector<ReviewRecord>& log, const ReviewSettings& settings) {
    ReplayedLog replayed;
    replayed.before.reserve(log.size());
    for (const ReviewRecord& record : log) {
        const auto found = replayed.schedules.find(record.pair);
        const std::optional<Schedule> before =
            found == replayed.schedules.end() ? std::nullopt : std::optional(found->second);
        replayed.before.push_back(before);
        if (record.counted && IsGrade(record.grade)) {
            replayed.schedules.insert_or_assign(record.pair,
                                                Review(before, record.day, record.grade, settings));
        }
    }
    return replayed;
}
