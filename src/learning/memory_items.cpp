#include "learning/memory_items.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool Teaches(const ReviewRecord& record) {
    return record.counted && record.source != ReviewSource::Choice && IsGrade(record.grade);
}

struct Dated {
    MemoryItem item;
    Day day;
    std::size_t logIndex;
};

} // namespace

MemoryItems::MemoryItems(const std::vector<ReviewRecord>& log) {
    // Each pair's rows, by their places in the log, pairs in the order they first appear.
    std::unordered_map<std::string_view, std::size_t> pairIndex;
    std::vector<std::vector<std::size_t>> rows;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (!Teaches(log[i])) {
            continue;
        }
        const auto [at, added] = pairIndex.try_emplace(log[i].pair, rows.size());
        if (added) {
            rows.emplace_back();
        }
        rows[at->second].push_back(i);
    }
    std::vector<Dated> dated;
    pairStarts_.reserve(rows.size() + 1);
    for (const std::vector<std::size_t>& pairRows : rows) {
        const auto pair = static_cast<std::uint32_t>(pairStarts_.size());
        pairStarts_.push_back(reviews_.size());
        firstLongTerm_.push_back(0);
        PairReview review;
        for (std::size_t position = 0; position < pairRows.size(); ++position) {
            const ReviewRecord& record = log[pairRows[position]];
            review.rating = static_cast<std::int32_t>(record.grade);
            // A clock set back counts as the same day.
            review.elapsedDays =
                position == 0
                    ? 0
                    : std::max(0, static_cast<int>(
                                      (record.day - log[pairRows[position - 1]].day).count()));
            if (review.elapsedDays > 0) {
                if (review.longTermSoFar == 0) {
                    firstLongTerm_.back() = position;
                }
                ++review.longTermSoFar;
                review.lapsesSoFar += record.grade == Grade::Again ? 1 : 0;
                dated.push_back(
                    {{pair, static_cast<std::uint32_t>(position)}, record.day, pairRows[position]});
            }
            reviews_.push_back(review);
        }
    }
    pairStarts_.push_back(reviews_.size());
    std::sort(dated.begin(), dated.end(), [](const Dated& a, const Dated& b) {
        return a.day != b.day ? a.day < b.day : a.logIndex < b.logIndex;
    });
    items_.reserve(dated.size());
    for (const Dated& each : dated) {
        items_.push_back(each.item);
    }
}

std::span<const PairReview> MemoryItems::PairReviews(std::size_t pair) const {
    return std::span(reviews_).subspan(pairStarts_[pair],
                                       pairStarts_[pair + 1] - pairStarts_[pair]);
}

std::span<const PairReview> MemoryItems::History(const MemoryItem& item) const {
    return PairReviews(item.pair).first(item.position);
}

const PairReview& MemoryItems::Predicted(const MemoryItem& item) const {
    return reviews_[ReviewIndex(item)];
}

const PairReview& MemoryItems::First(const MemoryItem& item) const {
    return reviews_[pairStarts_[item.pair]];
}

const PairReview& MemoryItems::FirstLongTerm(const MemoryItem& item) const {
    return reviews_[pairStarts_[item.pair] + firstLongTerm_[item.pair]];
}
