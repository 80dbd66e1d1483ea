#include "learning/same_day_rule.h"

ReviewEffect NextReview(const std::optional<Schedule>& current, const ReviewDay& day,
                        Day reviewedOn, Grade grade, Evidence evidence) {
    if (day.counted == Evidence::Recall && evidence == Evidence::Board) {
        return {false, false, current, {}};
    }
    if (day.counted == Evidence::Board && evidence == Evidence::Recall) {
        return {true, true, day.before, Review(day.before, reviewedOn, grade)};
    }
    return {true, false, current, Review(current, reviewedOn, grade)};
}

SameDayReplay ReplayWithSameDayRule(const std::vector<LoggedReview>& reviews) {
    SameDayReplay replay;
    ReviewDay today;
    std::optional<Day> todayIs;
    // The day's counted board reviews, which a typed answer takes back.
    std::vector<std::size_t> boardToday;
    for (std::size_t i = 0; i < reviews.size(); ++i) {
        const LoggedReview& review = reviews[i];
        if (todayIs != review.day) {
            todayIs = review.day;
            today = {};
            boardToday.clear();
        }
        const ReviewEffect effect =
            NextReview(replay.schedule, today, review.day, review.grade, review.evidence);
        if (effect.uncountsBoard) {
            for (const std::size_t board : boardToday) {
                replay.counted[board] = false;
            }
            boardToday.clear();
        }
        replay.counted.push_back(effect.counted);
        replay.before.push_back(effect.before);
        if (!effect.counted) {
            continue;
        }
        if (!today.counted) {
            today.before = effect.before;
        }
        today.counted = review.evidence;
        if (review.evidence == Evidence::Board) {
            boardToday.push_back(i);
        }
        replay.schedule = effect.after;
    }
    return replay;
}
