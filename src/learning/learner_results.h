#pragma once

#include "learning/calendar_day.h"
#include "learning/memory_weights.h"
#include "learning/pair_history.h"
#include "learning/review_scheduler.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the memory model knew of a pair on the day its results were written.
struct PairMemoryResult {
    double stability = 0;
    double difficulty = 0;
    Day lastReview;
    Grade lastGrade = Grade::Good;
    Day due;
    // The chance of recall on the day the results were written, by the learner's own weights.
    double recall = 0;
};

// One pair of the list, its words as UTF-8, and how the learner fared with it.
struct PairResult {
    std::string word;
    std::string translation;
    // Board games the pair was dealt in, and its misses and hints there.
    std::int64_t games = 0;
    std::int64_t missed = 0;
    std::int64_t hinted = 0;
    // Typing rounds that asked for it, by the first answer.
    std::int64_t typedRight = 0;
    std::int64_t typedWrong = 0;
    // Nullopt for a pair never reviewed.
    std::optional<PairMemoryResult> memory;
};

// A learner's record of one list, as a teacher collects it: nothing of other lists, and
// nothing of the learner's machine.
struct LearnerResults {
    std::string learner;
    std::string description;
    std::string fingerprint;
    Day written;
    // The weights the recall figures come from, so that they can be carried to a later day.
    MemoryWeights weights = DefaultWeights;
    std::vector<PairResult> pairs;
};

// The chance of recall on `day` of a pair whose recall was `memory.recall` on `written`: the
// learner's forgetting curve followed on from there.
double RecallOn(Day day, Day written, const PairMemoryResult& memory, const MemoryWeights& weights);

// Who a results file's learner is on the screen: the name, or the file's when there is none.
std::string LearnerLabel(const std::string& learner, const std::string& fileName);

// The results of a list's pairs, each given once by its words (UTF-8) and what the progress
// database knows of it, as of `written`.
struct ListPairsHistory {
    std::string description;
    std::string fingerprint;
    std::vector<std::pair<std::string, std::string>> words;
    std::vector<PairHistory> histories;
};
LearnerResults MakeLearnerResults(std::string learner, const ListPairsHistory& list, Day written,
                                  const MemoryWeights& weights);
