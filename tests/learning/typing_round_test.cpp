#include "game/game_state.h"
#include "game/random_source.h"
#include "learning/pair_identity.h"
#include "learning/round_result.h"
#include "learning/sqlite_progress_store.h"
#include "learning/typing_round.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const std::vector<TypingPair> Animals = {
    {0, "perro", "dog"}, {1, "gato", "cat"}, {2, "caballo", "horse"}, {3, "pájaro", "bird"}};

TypingRound RoundOf(const std::vector<TypingPair>& pairs, RoundDirection direction,
                    std::uint32_t seed = 1) {
    RandomSource random;
    random.Seed(seed);
    return TypingRound(pairs, direction, random, 1000);
}

// The expected word, or a wrong one, for each question until the round is over.
std::vector<std::string> Play(TypingRound& round, const std::set<std::string>& missOnce) {
    std::vector<std::string> asked;
    std::set<std::string> missed;
    for (std::time_t now = 1001; !round.Over(); ++now) {
        const std::string expected = round.Expected();
        asked.push_back(round.Shown());
        const bool miss = missOnce.contains(expected) && missed.insert(expected).second;
        round.Answer(miss ? "?" : expected, now);
    }
    return asked;
}

TEST(TypingRound, AsksEveryPairOnceAndAWrongAnswerOnceMoreAtTheEnd) {
    TypingRound round = RoundOf(Animals, RoundDirection::Forward);
    const std::vector<std::string> asked = Play(round, {"cat"});
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked.back(), "gato");
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()),
              (std::set<std::string>{"perro", "gato", "caballo", "pájaro"}));
    const RoundSummary summary = round.Summary();
    EXPECT_EQ(summary.pairs, 4);
    EXPECT_EQ(summary.rightFirstTry, 3);
    EXPECT_EQ(summary.rightAfterRetry, 1);
    EXPECT_EQ(summary.wrong, 0);
    EXPECT_EQ(summary.seconds, 5);
}

TEST(TypingRound, OrderFollowsTheSeedAndDirectionTheSide) {
    TypingRound first = RoundOf(Animals, RoundDirection::Forward, 7);
    TypingRound again = RoundOf(Animals, RoundDirection::Forward, 7);
    EXPECT_EQ(Play(first, {}), Play(again, {}));

    TypingRound backward = RoundOf(Animals, RoundDirection::Backward);
    const std::vector<std::string> shown = Play(backward, {});
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()),
              (std::set<std::string>{"dog", "cat", "horse", "bird"}));

    std::vector<TypingPair> many;
    for (int i = 0; i < 40; ++i) {
        many.push_back({i, "a" + std::to_string(i), "b" + std::to_string(i)});
    }
    TypingRound mixed = RoundOf(many, RoundDirection::Mixed);
    std::set<char> sides;
    for (const std::string& word : Play(mixed, {})) {
        sides.insert(word.front());
    }
    EXPECT_EQ(sides, (std::set<char>{'a', 'b'}));
}

TEST(TypingRound, GradesEachPairByItsFirstAnswer) {
    TypingRound round =
        RoundOf({{0, "casa", "house"}, {1, "mesa", "table"}}, RoundDirection::Forward);
    std::map<std::string, std::vector<std::string>> answers = {{"house", {"huose"}},
                                                               {"table", {"tabel!", "table"}}};
    for (std::time_t now = 1001; !round.Over(); ++now) {
        std::vector<std::string>& left = answers.at(round.Expected());
        round.Answer(left.front(), now);
        left.erase(left.begin());
    }
    std::map<std::string, std::pair<Grade, std::optional<Grade>>> grades;
    for (const PracticedPair& practiced : round.Answered()) {
        grades[practiced.pair.textB] = {practiced.first, practiced.retry};
    }
    EXPECT_EQ(grades,
              (std::map<std::string, std::pair<Grade, std::optional<Grade>>>{
                  {"house", {Grade::Hard, std::nullopt}}, {"table", {Grade::Again, Grade::Good}}}));

    using enum AnswerVerdict;
    const std::pair<AnswerVerdict, Grade> cases[] = {{Right, Grade::Good},
                                                     {RightButAccents, Grade::Hard},
                                                     {Almost, Grade::Hard},
                                                     {Wrong, Grade::Again}};
    for (const auto& [verdict, grade] : cases) {
        EXPECT_EQ(GradeOf(verdict), grade);
    }
}

TEST(TypingRound, EndingEarlyCountsOnlyWhatWasAnswered) {
    TypingRound round = RoundOf(Animals, RoundDirection::Forward);
    round.Answer("wrong", 1003);
    round.Answer(round.Expected(), 1004);
    round.End(1010);
    EXPECT_TRUE(round.Over());
    EXPECT_EQ(round.Shown(), "");
    const RoundSummary summary = round.Summary();
    EXPECT_EQ(summary.pairs, 2);
    EXPECT_EQ(summary.rightFirstTry, 1);
    EXPECT_EQ(summary.wrong, 1);
    EXPECT_EQ(summary.seconds, 10);
    EXPECT_EQ(round.Answer("late", 1011).verdict, AnswerVerdict::Wrong);
    EXPECT_EQ(round.Answered().size(), 2u);
}

TEST(TypingRound, SkipsPairsWithoutBothWords) {
    TypingRound round =
        RoundOf({{0, "uno", ""}, {1, "", "two"}, {2, "tres", "three"}}, RoundDirection::Forward);
    EXPECT_EQ(Play(round, {}), std::vector<std::string>{"tres"});
    EXPECT_TRUE(RoundOf({}, RoundDirection::Mixed).Over());
}

// What one question shows of a single pair: its word, its picture, the sound heard; then the
// word asked for.
TEST(TypingRound, AsksBySidesPictureAndInListenBySound) {
    struct Case {
        TypingPair pair;
        RoundDirection direction;
        std::vector<std::string> question;
    };
    const TypingPair pictureFront{0, "", "gato", "cat.png", "", "", "", "a note"};
    const TypingPair spoken{0, "perro", "dog", "", "", "perro.ogg", "", ""};
    const Case cases[] = {
        {pictureFront, RoundDirection::Forward, {"", "cat.png", "", "gato", "a note"}},
        // The picture-only side cannot be typed: the other one is asked whatever the direction.
        {pictureFront, RoundDirection::Backward, {"", "cat.png", "", "gato", "a note"}},
        {pictureFront, RoundDirection::Listen, {"", "", "", "gato", "a note"}},
        {spoken, RoundDirection::Listen, {"", "", "perro.ogg", "perro", ""}},
        {spoken, RoundDirection::Backward, {"dog", "", "", "perro", ""}},
        {{0, "", "", "cat.png", "dog.png"}, RoundDirection::Listen, {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pair.textA + "/" + std::to_string(static_cast<int>(c.direction)));
        const TypingRound round = RoundOf({c.pair}, c.direction);
        EXPECT_EQ((std::vector<std::string>{round.Shown(), round.ShownPicture(), round.HeardSound(),
                                            round.Expected(), round.NoteNow()}),
                  c.question);
    }
}

TEST(TypingRound, IsKeptAsAGameOfItsOwnKindThatSchedulesEachPairAnswered) {
    GameState state;
    state.WordList = {{"perro", "dog"}, {"gato", "cat"}, {"caballo", "horse"}};
    state.FileDescription = "Animals";
    state.BrowseFileName = "/lists/animals.txt";
    const GameIdentity identity = IdentityOf(state);
    TypingRound round = RoundOf({{0, "perro", "dog"}, {1, "gato", "cat"}, {2, "caballo", "horse"}},
                                RoundDirection::Forward);
    const std::string firstExpected = round.Expected();
    round.Answer(firstExpected, 1010);
    const std::string secondExpected = round.Expected();
    round.Answer("nothing like it", 1020);
    round.End(1030);

    const std::time_t finishedAt = 1'796'644'800; // 2026-12-07, 12:00 UTC
    const GameResult result = RoundResult(round, state, finishedAt);
    EXPECT_EQ(result.kind, GameKind::Typing);
    EXPECT_EQ(result.fingerprint, identity.fingerprint);
    EXPECT_EQ(std::tuple(result.pairs, result.correct, result.wrong, result.seconds),
              std::tuple(2, 1, 1, std::int64_t{30}));

    TempDir home;
    SqliteProgressStore store((home.path() / "progress.sqlite").string());
    ASSERT_TRUE(store.Record(result)) << EnglishText(store.Problem());
    const auto scheduled = store.ScheduledPairs(EveryDay, 10);
    ASSERT_TRUE(scheduled) << EnglishText(store.Problem());
    std::map<std::string, int> daysAhead;
    for (const ScheduledPair& pair : *scheduled) {
        EXPECT_EQ(pair.key.fingerprint, identity.fingerprint);
        daysAhead[pair.key.textB] = (pair.schedule.due - LocalDay(finishedAt)).count();
    }
    EXPECT_EQ(daysAhead, (std::map<std::string, int>{{firstExpected, 3}, {secondExpected, 1}}));
}

} // namespace
