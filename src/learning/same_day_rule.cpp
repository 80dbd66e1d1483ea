#include "learning/same_day_rule.h"

ReviewEffect NextReview(const std::optional<Schedule>& current, const ReviewDay& day,
                        Day reviewedOn, Grade grade, ReviewSource source,
                        const ReviewSettings& settings) {
    const bool recall = IsRecall(source);
    if (day.recallCounted == true && !recall) {
        return {false, false, current, {}};
    }
    if (day.recallCounted == false && recall) {
        return {true, true, day.before, Review(day.before, reviewedOn, grade, settings)};
    }
    return {true, false, current, Review(current, reviewedOn, grade, settings)};
}

PairMemory Remembered(PairMemory memory, const ReviewEffect& effect, ReviewSource source) {
    if (!effect.counted) {
        return memory;
    }
    if (!memory.day.recallCounted) {
        memory.day.before = effect.before;
    }
    memory.day.recallCounted = IsRecall(source);
    memory.schedule = effect.after;
    return memory;
}
