#include "learning/fit_selection.h"
#include "learning/memory_items.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const Day Start = year(2026) / December / 1;

ReviewRecord Row(const std::string& pair, int day, Grade grade,
                 ReviewSource source = ReviewSource::Board, bool counted = true) {
    return {pair, Start + days(day), grade, source, counted};
}

// Each item as "pair: history → predicted", reviews as rating@elapsed days.
std::vector<std::string> Described(const std::vector<ReviewRecord>& log) {
    const MemoryItems items(log);
    std::vector<std::string> described;
    for (const MemoryItem& item : items.Items()) {
        std::string text = std::to_string(item.pair) + ":";
        for (const PairReview& review : items.History(item)) {
            text += " " + std::to_string(review.rating) + "@" + std::to_string(review.elapsedDays);
        }
        const PairReview& predicted = items.Predicted(item);
        described.push_back(text + " -> " + std::to_string(predicted.rating) + "@" +
                            std::to_string(predicted.elapsedDays));
    }
    return described;
}

TEST(MemoryItems, EachLaterReviewOfAPairIsPredictedFromTheReviewsBeforeIt) {
    constexpr Grade Again = Grade::Again, Good = Grade::Good, Easy = Grade::Easy;
    struct Case {
        const char* name;
        std::vector<ReviewRecord> log;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"days between reviews",
         {Row("a", 0, Good), Row("a", 3, Again), Row("a", 4, Good)},
         {"0: 3@0 -> 1@3", "0: 3@0 1@3 -> 3@1"}},
        {"a second review on one day is history only",
         {Row("a", 0, Again), Row("a", 0, Good), Row("a", 2, Good), Row("a", 2, Again)},
         {"0: 1@0 3@0 -> 3@2"}},
        {"choice reviews, reviews no longer counted and rows without a grade are left out",
         {Row("a", 0, Good), Row("a", 1, Easy, ReviewSource::Choice),
          Row("a", 2, Again, ReviewSource::Board, false), Row("a", 2, Good, ReviewSource::Typing),
          Row("a", 5, Good, ReviewSource::Flashcards), Row("a", 9, static_cast<Grade>(0))},
         {"0: 3@0 -> 3@2", "0: 3@0 3@2 -> 3@3"}},
        {"items in order of the day predicted, then of the log",
         {Row("a", 0, Good), Row("b", 0, Good), Row("b", 2, Good), Row("a", 3, Good),
          Row("c", 1, Again), Row("c", 2, Good)},
         {"1: 3@0 -> 3@2", "2: 1@0 -> 3@1", "0: 3@0 -> 3@3"}},
        {"a clock set back counts as the same day",
         {Row("a", 5, Good), Row("a", 3, Good), Row("a", 6, Good)},
         {"0: 3@0 3@0 -> 3@3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Described(c.log), c.items);
    }
}

// `pairs` pairs first rated `first` and reviewed again `gap` days later, then once more.
void AddPairs(std::vector<ReviewRecord>& log, int pairs, Grade first, int gap) {
    for (int i = 0; i < pairs; ++i) {
        const std::string pair = std::to_string(static_cast<int>(first)) + "/" +
                                 std::to_string(gap) + "/" + std::to_string(i);
        log.push_back(Row(pair, 0, first));
        log.push_back(Row(pair, gap, Grade::Good));
        log.push_back(Row(pair, gap + 10, i % 4 == 0 ? Grade::Again : Grade::Good));
    }
}

TEST(FitSelection, RareFirstIntervalsAreDroppedWithTheirPairs) {
    struct Group {
        int pairs;
        Grade first;
        int gap;
        bool kept;
    };
    struct Case {
        const char* name;
        std::vector<Group> groups;
    };
    const Case cases[] = {
        {"under 20 first intervals of a rating are all dropped", {{19, Grade::Good, 3, false}}},
        {"the smallest groups go first, until 20",
         {{25, Grade::Good, 3, true},
          {5, Grade::Good, 4, false},
          {14, Grade::Good, 5, false},
          {8, Grade::Again, 1, false}}},
        {"5 % when that is more than 20",
         {{400, Grade::Good, 3, true}, {21, Grade::Good, 2, false}, {30, Grade::Good, 7, true}}},
        {"groups under 6 and gaps over 100 days, 365 after Easy",
         {{30, Grade::Good, 3, true},
          {20, Grade::Good, 101, false},
          {4, Grade::Good, 10, false},
          {4, Grade::Good, 11, false},
          {4, Grade::Good, 12, false},
          {4, Grade::Good, 13, false},
          {5, Grade::Good, 50, false},
          {30, Grade::Easy, 12, true},
          {20, Grade::Easy, 365, true},
          {21, Grade::Easy, 366, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ReviewRecord> log;
        std::size_t keptPairs = 0;
        for (const Group& group : c.groups) {
            AddPairs(log, group.pairs, group.first, group.gap);
            keptPairs += group.kept ? static_cast<std::size_t>(group.pairs) : 0;
        }
        const MemoryItems items(log);
        const FitSelection selection = SelectFitItems(items);
        EXPECT_EQ(selection.firstIntervals.size(), keptPairs);
        EXPECT_EQ(selection.training.size(), 2 * keptPairs);
        ASSERT_EQ(selection.judged.size(), selection.training.size());
        for (std::size_t i = 0; i < keptPairs; ++i) {
            const MemoryItem& item = items.Items()[selection.judged[i]];
            EXPECT_EQ(items.Predicted(item).longTermSoFar, 1);
        }
    }
}

} // namespace
