#pragma once

#include "learning/dual_number.h"
#include "learning/memory_weights.h"

#include <cmath>

inline constexpr double MinimumStability = 0.001;
inline constexpr double MaximumStability = 36500;
inline constexpr double MinimumDifficulty = 1;
inline constexpr double MaximumDifficulty = 10;

// Stability in days (the interval after which recall falls to 90 %) and difficulty from 1 to 10.
template <typename T> struct MemoryOf {
    T stability;
    T difficulty;
};

// `x` kept within [low, high]; at a bound it no longer depends on the weights.
template <typename T> T Bounded(const T& x, double low, double high) {
    if (ValueOf(x) < low) {
        return T(low);
    }
    if (ValueOf(x) > high) {
        return T(high);
    }
    return x;
}

// The FSRS-6 memory model, long-term: a review on the day of the one before it is a review at
// full recall. T is double to schedule and a dual number to fit the weights.
template <typename T> class MemoryModel {
public:
    explicit MemoryModel(const WeightsOf<T>& weights)
        : w_(weights), decay_(-weights[20]), factor_(Factor(weights)), growth_(exp(weights[8])),
          easyDifficulty_(UnboundedFirstDifficulty(4)) {}

    // The chance of recall `elapsedDays` after a review that left `stability`.
    T Retrievability(double elapsedDays, const T& stability) const {
        return pow(factor_ * elapsedDays / stability + 1.0, decay_);
    }

    // The days until recall falls to `retention`.
    T DaysUntil(double retention, const T& stability) const {
        return stability / factor_ * (pow(retention, 1.0 / decay_) - 1.0);
    }

    MemoryOf<T> First(int rating) const {
        return {
            Bounded(w_[static_cast<std::size_t>(rating - 1)], MinimumStability, MaximumStability),
            Bounded(UnboundedFirstDifficulty(rating), MinimumDifficulty, MaximumDifficulty)};
    }

    MemoryOf<T> Next(const MemoryOf<T>& memory, double elapsedDays, int rating) const {
        const T stability = Bounded(memory.stability, MinimumStability, MaximumStability);
        const T difficulty = Bounded(memory.difficulty, MinimumDifficulty, MaximumDifficulty);
        const T recall = Retrievability(elapsedDays, stability);
        const T next = rating == 1 ? AfterLapse(stability, difficulty, recall)
                                   : AfterRecall(stability, difficulty, recall, rating);
        return {Bounded(next, MinimumStability, MaximumStability),
                Bounded(NextDifficulty(difficulty, rating), MinimumDifficulty, MaximumDifficulty)};
    }

private:
    static T Factor(const WeightsOf<T>& weights) {
        // Chosen so that recall is 90 % after S days.
        return exp(std::log(0.9) / -weights[20]) - 1.0;
    }

    T UnboundedFirstDifficulty(int rating) const {
        return w_[4] - exp(w_[5] * static_cast<double>(rating - 1)) + 1.0;
    }

    T NextDifficulty(const T& difficulty, int rating) const {
        const T damped = difficulty - w_[6] * static_cast<double>(rating - 3) *
                                          (MaximumDifficulty - difficulty) / 9.0;
        // Mean reversion towards the difficulty of an Easy first review.
        return w_[7] * (easyDifficulty_ - damped) + damped;
    }

    T AfterRecall(const T& stability, const T& difficulty, const T& recall, int rating) const {
        T increase = growth_ * (11.0 - difficulty) * pow(stability, -w_[9]) *
                     (exp(w_[10] * (1.0 - recall)) - 1.0);
        if (rating == 2) {
            increase = increase * w_[15];
        } else if (rating == 4) {
            increase = increase * w_[16];
        }
        return stability * (increase + 1.0);
    }

    T AfterLapse(const T& stability, const T& difficulty, const T& recall) const {
        const T longTerm = w_[11] * pow(difficulty, -w_[12]) *
                           (pow(stability + 1.0, w_[13]) - 1.0) * exp(w_[14] * (1.0 - recall));
        // A lapse never leaves memory stronger than it was.
        const T ceiling = stability / exp(w_[17] * w_[18]);
        return ceiling < longTerm ? ceiling : longTerm;
    }

    WeightsOf<T> w_;
    T decay_;
    T factor_;
    T growth_;
    T easyDifficulty_;
};
