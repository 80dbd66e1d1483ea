#pragma once

#include "learning/memory_weights.h"
#include "learning/review_record.h"

#include <cstdint>
#include <string>
#include <vector>

// A learner whose memory follows the memory model with weights of its own, reviewing pairs
// when the default schedule brings them back: review logs whose truth is known.
struct Learner {
    MemoryWeights memory = DefaultWeights;
    int pairs = 100;
    int newPairsPerDay = 10;
    int days = 60;
    // The chance of a day without reviews, so that pairs come back late too.
    double dayOff = 0.2;
    // The chance that a pair met on a day is met again that day.
    double sameDayAgain = 0.05;
    std::uint32_t seed = 1;
};

// Every review of the learner, day by day from 1 December 2026; pairs are named "pair N".
std::vector<ReviewRecord> SimulatedReviews(const Learner& learner);
