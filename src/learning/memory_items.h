#pragma once

#include "learning/review_record.h"

#include <cstdint>
#include <span>
#include <vector>

// One review of a pair as the memory model sees it.
struct PairReview {
    // Days since the pair's review before; 0 for its first and for another on the same day.
    std::int32_t elapsedDays = 0;
    std::int32_t rating = 0;
    // Of the pair's reviews up to this one: those a day or more after the one before, and the
    // Agains among them.
    std::int32_t longTermSoFar = 0;
    std::int32_t lapsesSoFar = 0;
};

// A review the model is asked to predict: the `position`th review of a pair, which came a day
// or more after the one before it.
struct MemoryItem {
    std::uint32_t pair = 0;
    std::uint32_t position = 0;
};

// What the memory model learns from in a review log: each pair's reviews in the order they were
// made, and every review a day or more after the pair's one before as an item, its history the
// pair's reviews before it. Only the reviews the schedule counts are used, no choice review,
// and no row without a grade from 1 to 4.
class MemoryItems {
public:
    explicit MemoryItems(const std::vector<ReviewRecord>& log);

    std::size_t PairCount() const { return pairStarts_.size() - 1; }
    std::span<const PairReview> PairReviews(std::size_t pair) const;
    // Ordered by the day of the predicted review, then by its place in the log.
    const std::vector<MemoryItem>& Items() const { return items_; }

    // Where the predicted review is among all pairs' reviews, pair after pair.
    std::size_t ReviewIndex(const MemoryItem& item) const {
        return pairStarts_[item.pair] + item.position;
    }
    std::span<const PairReview> History(const MemoryItem& item) const;
    const PairReview& Predicted(const MemoryItem& item) const;
    // The pair's first review, and the first a day or more after it.
    const PairReview& First(const MemoryItem& item) const;
    const PairReview& FirstLongTerm(const MemoryItem& item) const;

private:
    std::vector<PairReview> reviews_;
    // Where each pair's reviews start in reviews_, and where the last one ends.
    std::vector<std::size_t> pairStarts_;
    std::vector<std::size_t> firstLongTerm_;
    std::vector<MemoryItem> items_;
};
