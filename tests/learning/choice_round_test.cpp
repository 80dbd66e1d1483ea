#include "game/game_state.h"
#include "game/random_source.h"
#include "learning/choice_round.h"
#include "learning/round_result.h"
#include "learning/sqlite_progress_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Pairs whose words repeat as the player reads them: " dog" is dog, the two cafés are one word
// composed and decomposed, and perro is both dog and hound.
struct PoolPair {
    TypingPair pair;
    const char* readsA;
    const char* readsB;
};
const PoolPair Pool[] = {
    {{0, "perro", "dog"}, "perro", "dog"},
    {{1, "can", " dog"}, "can", "dog"},
    {{2, "gato", "cat"}, "gato", "cat"},
    {{3, "caf\u00e9", "coffee"}, "café", "coffee"},
    {{4, "cafe\u0301", "coffee  "}, "café", "coffee"},
    {{5, "perro", "hound"}, "perro", "hound"},
};

TEST(ChoiceOptions, OfferTheRightAnswerOnceAndNoTwoAnswersThatReadAlike) {
    std::map<std::string, std::string> reads;
    for (const PoolPair& entry : Pool) {
        reads[entry.pair.textA] = entry.readsA;
        reads[entry.pair.textB] = entry.readsB;
    }
    for (std::size_t size = 1; size <= std::size(Pool); ++size) {
        const std::vector<PoolPair> pool(Pool, Pool + size);
        std::vector<TypingPair> list;
        for (const PoolPair& entry : pool) {
            list.push_back(entry.pair);
        }
        for (const PoolPair& asked : pool) {
            for (const bool answerIsA : {false, true}) {
                const auto side = [answerIsA](const PoolPair& entry, bool answer) {
                    return answer == answerIsA ? entry.readsA : entry.readsB;
                };
                // What may be offered besides the right answer, as read.
                std::set<std::string> others;
                for (const PoolPair& other : pool) {
                    if (std::string(side(other, false)) != side(asked, false)) {
                        others.insert(side(other, true));
                    }
                }
                others.erase(side(asked, true));
                for (std::uint32_t seed = 1; seed <= 12; ++seed) {
                    SCOPED_TRACE("list of " + std::to_string(size) + ", asked " + asked.pair.textA +
                                 (answerIsA ? " backward" : "") + ", seed " + std::to_string(seed));
                    RandomSource random;
                    random.Seed(seed);
                    const OfferedAnswers offered =
                        OfferAnswers(asked.pair, answerIsA, list, {}, random);
                    ASSERT_EQ(offered.texts.size(), std::min<std::size_t>(4, others.size() + 1));
                    ASSERT_LT(offered.right, offered.texts.size());
                    EXPECT_EQ(offered.texts[offered.right], SideText(asked.pair, answerIsA));
                    std::set<std::string> read;
                    for (std::size_t i = 0; i < offered.texts.size(); ++i) {
                        const std::string& reading = reads.at(offered.texts[i]);
                        EXPECT_TRUE(read.insert(reading).second) << reading << " twice";
                        EXPECT_TRUE(i == offered.right || others.contains(reading)) << reading;
                    }
                }
            }
        }
    }
}

TEST(ChoiceOptions, WordsTheLearnerConfusedComeFirstThenWordsOfAboutTheSameLength) {
    const std::vector<TypingPair> list = {
        {0, "gato", "cat"},       {1, "perro", "dog"},         {2, "vaca", "cow"},
        {3, "zorro", "fox"},      {4, "elefante", "elephant"}, {5, "hipopótamo", "hippopotamus"},
        {6, "jirafa", "giraffe"}, {7, "oso", "bear"}};
    struct Case {
        const char* name;
        Confusions confusedWith;
        std::set<std::string> always;
    };
    const Case cases[] = {
        {"no confusion", {}, {"dog", "cow", "fox"}},
        {"taken for the hippopotamus", {{0, {5}}}, {"hippopotamus"}},
        {"the hippopotamus taken for it", {{5, {0, 6}}}, {"hippopotamus"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::set<std::string> seen;
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            RandomSource random;
            random.Seed(seed);
            const OfferedAnswers offered =
                OfferAnswers(list[0], false, list, c.confusedWith, random);
            ASSERT_EQ(offered.texts.size(), 4u);
            const std::set<std::string> texts(offered.texts.begin(), offered.texts.end());
            EXPECT_TRUE(std::ranges::includes(texts, c.always));
            for (const std::string& text : texts) {
                EXPECT_TRUE(c.always.contains(text) || text.size() == 3) << text;
            }
            seen.insert(offered.texts.begin(), offered.texts.end());
        }
        EXPECT_EQ(seen.size(), c.confusedWith.empty() ? 4u : 5u) << "ties are broken at random";
    }
}

TEST(ChoiceRound, ARightFirstChoiceSchedulesGoodAndAWrongOneAgainAndComesBack) {
    GameState state;
    state.WordList = {{"perro", "dog"}, {"gato", "cat"}, {"caballo", "horse"}};
    state.FileDescription = "Animals";
    const std::vector<TypingPair> pairs = {
        {0, "perro", "dog"}, {1, "gato", "cat"}, {2, "caballo", "horse"}};
    RandomSource random;
    random.Seed(5);
    const std::time_t now = 1'796'644'800; // 2026-12-07, 12:00 UTC
    ChoiceRound round(pairs, pairs, {}, RoundDirection::Forward, random, now);

    std::vector<std::string> asked;
    std::vector<ChoiceVerdict> verdicts;
    while (!round.Over()) {
        const OfferedAnswers offered = round.Offered();
        EXPECT_EQ(round.Offered().texts, offered.texts) << "the answers stay while asked";
        asked.push_back(round.Shown());
        // gato is answered wrong, caballo with no answer; both are right when they come back.
        const bool wrong = !round.Retrying() && round.Shown() != "perro";
        const std::size_t none = offered.texts.size();
        const std::size_t option = !wrong                    ? offered.right
                                   : round.Shown() == "gato" ? (offered.right + 1) % none
                                                             : none;
        verdicts.push_back(round.Choose(option, now));
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"perro", "gato", "caballo", "gato", "caballo"}));
    ASSERT_EQ(verdicts.size(), 5u);
    EXPECT_TRUE(verdicts[0].right);
    EXPECT_EQ(verdicts[0].chosen, "dog");
    EXPECT_FALSE(verdicts[1].right);
    EXPECT_NE(verdicts[1].chosen, "cat");
    EXPECT_EQ(verdicts[1].answer, "cat");
    EXPECT_EQ(std::tuple(verdicts[2].right, verdicts[2].chosen), std::tuple(false, ""));
    const RoundSummary summary = round.Summary();
    EXPECT_EQ(std::tuple(summary.rightFirstTry, summary.rightAfterRetry, summary.wrong),
              std::tuple(1, 2, 0));

    TempDir home;
    const std::string path = (home.path() / "progress.sqlite").string();
    SqliteProgressStore store(path);
    const GameResult result = RoundResult(round, state, now);
    EXPECT_EQ(result.kind, GameKind::Choice);
    ASSERT_TRUE(store.Record(result)) << EnglishText(store.Problem());
    std::map<std::string, Day> due;
    const auto scheduled = store.ScheduledPairs(EveryDay, 10);
    ASSERT_TRUE(scheduled) << EnglishText(store.Problem());
    for (const ScheduledPair& pair : *scheduled) {
        due[pair.key.textA] = pair.schedule.due;
    }
    const Day today = LocalDay(now);
    const Day good = Review(std::nullopt, today, Grade::Good).due;
    const Day again = Review(std::nullopt, today, Grade::Again).due;
    EXPECT_EQ(due,
              (std::map<std::string, Day>{{"perro", good}, {"gato", again}, {"caballo", again}}));
    // A right answer when the pair came back is no review.
    const auto gato = store.Memories({{"", "gato", "cat"}}, today);
    ASSERT_TRUE(gato && gato->front().schedule);
    EXPECT_EQ(gato->front().schedule->reps, 1);
}

} // namespace
