#include "learning/learner_results.h"

#include "learning/memory_model.h"

#include <algorithm>

double RecallOn(Day day, Day written, const PairMemoryResult& memory,
                const MemoryWeights& weights) {
    if (memory.recall <= 0) {
        return 0;
    }
    const MemoryModel<double> model(weights);
    // The days after a review at which the curve gives the written figure; a file dated later
    // than `day` is taken as of `day`.
    const double since = model.DaysUntil(std::min(memory.recall, 1.0), memory.stability);
    const auto later = std::max<long>(0, static_cast<long>((day - written).count()));
    return model.Retrievability(since + static_cast<double>(later), memory.stability);
}

std::string LearnerLabel(const std::string& learner, const std::string& fileName) {
    return learner.empty() ? fileName : learner;
}

LearnerResults MakeLearnerResults(std::string learner, const ListPairsHistory& list, Day written,
                                  const MemoryWeights& weights) {
    const MemoryModel<double> model(weights);
    LearnerResults results{
        std::move(learner), list.description, list.fingerprint, written, weights, {}};
    results.pairs.reserve(list.words.size());
    for (std::size_t i = 0; i < list.words.size() && i < list.histories.size(); ++i) {
        const PairHistory& history = list.histories[i];
        PairResult pair{list.words[i].first, list.words[i].second, history.games,
                        history.missed,      history.hinted,       history.typedRight,
                        history.typedWrong,  std::nullopt};
        if (history.schedule && Usable(history.schedule->memory)) {
            const Schedule& schedule = *history.schedule;
            const auto elapsed = std::max<long>(0, (written - schedule.lastReview).count());
            // Kept within what a reader accepts, whatever the database holds.
            const double stability =
                std::clamp(schedule.memory.stability, MinimumStability, MaximumStability);
            pair.memory = PairMemoryResult{
                stability,
                std::clamp(schedule.memory.difficulty, MinimumDifficulty, MaximumDifficulty),
                schedule.lastReview,
                history.lastGrade.value_or(Grade::Good),
                std::max(schedule.due, schedule.lastReview),
                model.Retrievability(static_cast<double>(elapsed), stability)};
        }
        results.pairs.push_back(std::move(pair));
    }
    return results;
}
