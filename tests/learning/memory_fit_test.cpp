#include "learning/memory_fit.h"
#include "learning/review_file.h"
#include "support/simulated_learner.h"

#include <gtest/gtest.h>

namespace {

std::vector<ReviewRecord> TestLog(const std::string& name) {
    const ReviewFile file = ReadReviewFile(std::string(GLOSSATILES_TEST_DATA) + "/" + name);
    EXPECT_FALSE(file.problem) << EnglishText(*file.problem);
    return file.reviews;
}

// What the FSRS project's own optimiser (@open-spaced-repetition/binding 0.5.0:
// computeParameters with enableShortTerm false, then evaluate) makes of logs of simulated
// learners with weights of their own, each review of a pair after its first an item, in order
// of time.
struct Reference {
    const char* log;
    FitStage stage;
    std::array<double, 4> initialStabilities;
    PredictionScore defaults;
    PredictionScore fitted;
    // The reference scores a second review on one day with its short-term formula, we at full
    // recall: logs with same-day lapses are judged a little apart.
    double defaultsAgreeWithin;
};

const Reference References[] = {
    {"reviews-forgetful.csv",
     FitStage::Trained,
     {0.279961, 0.322302, 1.103841, 5.380729},
     {0.339301, 0.051229},
     {0.336800, 0.045661},
     0.001},
    {"reviews-steady.csv",
     FitStage::Trained,
     {1.124314, 1.364655, 4.775133, 13.879092},
     {0.284760, 0.079383},
     {0.277954, 0.067468},
     0.01},
    {"reviews-first-weeks.csv",
     FitStage::InitialStabilities,
     {0.383286, 2.337864, 4.170043, 14.998053},
     {0.248978, 0.067181},
     {0.234157, 0.042142},
     1e-5},
};

TEST(MemoryFit, PredictsSimulatedLearnersAsWellAsTheReferenceOptimiser) {
    for (const Reference& reference : References) {
        SCOPED_TRACE(reference.log);
        const std::optional<MemoryFit> fit = FitMemory(TestLog(reference.log), DefaultWeights);
        ASSERT_TRUE(fit && fit->before && fit->fitted);
        EXPECT_EQ(fit->stage, reference.stage);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(fit->weights[i], reference.initialStabilities[i],
                        1e-4 * reference.initialStabilities[i]);
        }
        EXPECT_NEAR(fit->before->logLoss, reference.defaults.logLoss,
                    reference.defaultsAgreeWithin * reference.defaults.logLoss);
        EXPECT_NEAR(fit->before->rmseBins, reference.defaults.rmseBins, 0.001);
        EXPECT_LE(fit->fitted->logLoss, 1.01 * reference.fitted.logLoss);
        EXPECT_LT(fit->fitted->logLoss, fit->before->logLoss);
        EXPECT_LT(fit->fitted->rmseBins, fit->before->rmseBins);
        EXPECT_TRUE(fit->Better());
        // Long-term scheduling only: the same-day weights stay, and none leaves its range.
        for (const std::size_t i : {17, 18, 19}) {
            EXPECT_EQ(fit->weights[i], DefaultWeights[i]);
        }
        EXPECT_EQ(ClippedWeights(fit->weights), fit->weights);
    }
}

TEST(MemoryFit, FewReviewsKeepTheDefaultsAndAreJudgedOnWhatThereIs) {
    Learner learner;
    learner.pairs = 15;
    learner.days = 20;
    const std::optional<MemoryFit> fit = FitMemory(SimulatedReviews(learner), DefaultWeights);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->stage, FitStage::Defaults);
    EXPECT_EQ(fit->weights, DefaultWeights);
    EXPECT_FALSE(fit->Better());
    const std::optional<MemoryFit> none = FitMemory({}, DefaultWeights);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->reviews, 0);
    EXPECT_FALSE(none->before || none->fitted || none->Better());
}

TEST(MemoryFit, ChoiceReviewsAndReviewsNoLongerCountedAreNotLearnedFrom) {
    std::vector<ReviewRecord> log = TestLog("reviews-forgetful.csv");
    std::vector<ReviewRecord> noisy;
    for (const ReviewRecord& review : log) {
        noisy.push_back(review);
        // A lucky guess among four, and a board grade a typed answer replaced.
        noisy.push_back({review.pair, review.day, Grade::Easy, ReviewSource::Choice});
        noisy.push_back({review.pair, review.day + std::chrono::days(1), Grade::Again,
                         ReviewSource::Board, false});
    }
    const std::optional<MemoryFit> clean = FitMemory(log, DefaultWeights);
    const std::optional<MemoryFit> withNoise = FitMemory(noisy, DefaultWeights);
    ASSERT_TRUE(clean && withNoise);
    EXPECT_EQ(withNoise->weights, clean->weights);
    EXPECT_EQ(withNoise->reviews, clean->reviews);
}

TEST(MemoryFit, ReportsItsProgressAndStopsWhenAsked) {
    const std::vector<ReviewRecord> log = TestLog("reviews-steady.csv");
    std::vector<std::pair<std::int64_t, std::int64_t>> heard;
    const std::optional<MemoryFit> fit = FitMemory(log, DefaultWeights, [&](auto done, auto all) {
        heard.emplace_back(done, all);
        return true;
    });
    ASSERT_TRUE(fit);
    ASSERT_GE(heard.size(), 5u);
    for (std::size_t i = 1; i < heard.size(); ++i) {
        EXPECT_GT(heard[i].first, heard[i - 1].first);
        EXPECT_EQ(heard[i].second, heard[0].second);
    }
    EXPECT_EQ(heard.back().first, heard.back().second);

    int calls = 0;
    EXPECT_FALSE(FitMemory(log, DefaultWeights, [&](auto, auto) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
}

TEST(MemoryFit, TheWeightsInUseAreJudgedBesideTheFittedOnes) {
    const std::vector<ReviewRecord> log = TestLog("reviews-forgetful.csv");
    const std::optional<MemoryFit> first = FitMemory(log, DefaultWeights);
    ASSERT_TRUE(first);
    // Fitted again with its own result in use, the fit is no better than what it replaces.
    const std::optional<MemoryFit> again = FitMemory(log, first->weights);
    ASSERT_TRUE(again && again->before);
    EXPECT_DOUBLE_EQ(again->before->logLoss, first->fitted->logLoss);
    EXPECT_EQ(again->weights, first->weights);
    EXPECT_FALSE(again->Better());
}

} // namespace
