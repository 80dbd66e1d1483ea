#pragma once

#include "learning/calendar_day.h"
#include "learning/learner_results.h"
#include "words/message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A learner's results as read from a file.
struct LearnerFile {
    std::string path;
    LearnerResults results;
};

// The list a class's results are gathered for: its description and its pairs as UTF-8.
struct ClassList {
    std::string description;
    std::vector<std::pair<std::string, std::string>> pairs;
};

// How the class fares with one pair of the list.
struct ClassPair {
    std::string word;
    std::string translation;
    // Learners who have met it (in a game, a typing round or a review).
    int learners = 0;
    // Learners who missed it, on the board or typing, at least once.
    int missed = 0;
    // The mean of the learners' chances of recall today; nullopt when none has reviewed it.
    std::optional<double> meanRecall;
    // Up to three learners who missed it or are likely to have forgotten it, least likely to
    // recall it first.
    std::vector<std::string> hardestFor;
};

// How one learner fares with the class's list.
struct ClassLearner {
    std::string name;
    std::string path;
    int seen = 0;
    // Due today or earlier.
    int due = 0;
    // Not due, with an interval of MatureInterval days or more, as Tools > Progress counts them.
    int mature = 0;
    std::optional<Day> lastPractice;
};

struct ClassResults {
    std::string description;
    // Hardest first: the lowest mean recall, then the most learners who missed it.
    std::vector<ClassPair> pairs;
    // By name.
    std::vector<ClassLearner> learners;
    // The files set aside: another list's results, or a learner's older ones.
    std::vector<Message> notes;
};

inline constexpr std::size_t ClassHardestPairCount = 20;

// The class's results as of `today`. The class's list is `list` when given, else the one most
// files name by description, and its pairs those of the copy most files hold. Pairs are
// matched by their words as the progress database matches them, so that a learner whose copy
// differs still counts for the pairs in common.
ClassResults GatherClass(std::vector<LearnerFile> files, Day today,
                         const std::optional<ClassList>& list = std::nullopt);
