#include "learning/same_day_rule.h"

ReviewEffect NextReview(const std::optional<Schedule>& current, const ReviewDay& day,
                        Day reviewedOn, Grade grade, Evidence evidence,
                        const ReviewSettings& settings) {
    if (day.counted == Evidence::Recall && evidence == Evidence::Board) {
        return {false, false, current, {}};
    }
    if (day.counted == Evidence::Board && evidence == Evidence::Recall) {
        return {true, true, day.before, Review(day.before, reviewedOn, grade, settings)};
    }
    return {true, false, current, Review(current, reviewedOn, grade, settings)};
}

PairMemory Remembered(PairMemory memory, const ReviewEffect& effect, Evidence evidence) {
    if (!effect.counted) {
        return memory;
    }
    if (!memory.day.counted) {
        memory.day.before = effect.before;
    }
    memory.day.counted = evidence;
    memory.schedule = effect.after;
    return memory;
}

SameDayReplay ReplayWithSameDayRule(const std::vector<LoggedReview>& reviews) {
    SameDayReplay replay;
    PairMemory memory;
    std::optional<Day> todayIs;
    // The day's counted board reviews, which a typed answer takes back.
    std::vector<std::size_t> boardToday;
    for (std::size_t i = 0; i < reviews.size(); ++i) {
        const LoggedReview& review = reviews[i];
        if (todayIs != review.day) {
            todayIs = review.day;
            memory.day = {};
            boardToday.clear();
        }
        const ReviewEffect effect =
            NextReview(memory.schedule, memory.day, review.day, review.grade, review.evidence);
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
        memory = Remembered(memory, effect, review.evidence);
        if (review.evidence == Evidence::Board) {
            boardToday.push_back(i);
        }
    }
    replay.schedule = memory.schedule;
    return replay;
}
