#include "game/auto_play.h"
#include "game/hint.h"
#include "game/peek.h"
#include "learning/game_report.h"
#include "learning/list_fingerprint.h"
#include "learning_board.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Counts {
    std::int32_t missed, assisted, peeked;
    std::vector<std::int32_t> confusedWith;
    bool operator==(const Counts&) const = default;
};

std::map<std::int32_t, Counts> CountsOf(const GameRecord& record) {
    std::map<std::int32_t, Counts> counts;
    for (const auto& [pair, r] : record.Pairs()) {
        if (r.Troubled()) {
            counts[pair] = {r.missed, r.assisted, r.peeked, r.confusedWith};
        }
    }
    return counts;
}

void Peek(LearningBoard& board, int column, int row) {
    RightButtonDown(board.state, board.host, PixelX(column), PixelY(row));
    RightButtonUp(board.state, board.host);
}

TEST(GameRecord, CountsEachTroubleOnThePairItBelongsTo) {
    struct Case {
        const char* name;
        std::function<void(LearningBoard&)> play;
        std::map<std::int32_t, Counts> expected;
        bool won;
    };
    const Case cases[] = {
        {"a wrong pick misses the selected pair, confused with the other tile's",
         [](LearningBoard& b) { b.Click(1, 4), b.Click(2, 4); },
         {{0, {1, 0, 0, {1}}}},
         false},
        {"two wrong picks with one partner note it once, then the match wins",
         [](LearningBoard& b) {
             b.Click(1, 4), b.Click(2, 4), b.Click(2, 4), b.Click(1, 4);
             b.Click(2, 4), b.Click(5, 4), b.Click(2, 4), b.MatchAll();
         },
         {{0, {2, 0, 0, {1}}}, {1, {1, 0, 0, {2}}}},
         true},
        {"a peek counts for the peeked tile's pair",
         [](LearningBoard& b) { Peek(b, 4, 4), Peek(b, 1, 3); },
         {{1, {0, 0, 1, {}}}, {2, {0, 0, 1, {}}}},
         false},
        {"a hint assists the pair it frames",
         [](LearningBoard& b) {
             b.Click(1, 4), b.Click(3, 4), b.Click(2, 4), b.Click(4, 4);
             Hint(b.state, b.host);
         },
         {{2, {0, 1, 0, {}}}},
         false},
        {"fast auto finish assists every pair it removes and wins",
         [](LearningBoard& b) {
             b.Click(2, 4), b.Click(4, 4);
             RunFastAutoFinishToEnd(b.state, b.host);
         },
         {{0, {0, 1, 0, {}}}, {2, {0, 1, 0, {}}}},
         true},
        {"a new deal forgets the game before",
         [](LearningBoard& b) {
             b.Click(1, 4), b.Click(2, 4), Peek(b, 5, 4);
             b.host.OnPlayEvent({PlayEventKind::GameStarted});
         },
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LearningBoard board;
        c.play(board);
        EXPECT_EQ(CountsOf(board.session.Record()), c.expected);
        EXPECT_EQ(board.host.wins, c.won ? 1 : 0);
        EXPECT_EQ(board.store.recorded.size(), c.won ? 1u : 0u);
        // Every pair a game removed for the player is to be seen again soon.
        for (const GameResult& game : board.store.recorded) {
            for (const PairOutcome& outcome : game.outcomes) {
                if (outcome.hinted > 0) {
                    EXPECT_EQ(outcome.grade, Grade::Again);
                }
            }
        }
    }
}

TEST(GameRecord, AWonGameIsStoredWithItsCountersTimeAndEveryPairSeen) {
    LearningBoard board;
    board.host.now += 75;
    board.Click(1, 4), board.Click(2, 4), board.Click(1, 4);
    Peek(board, 5, 4);
    board.MatchAll();
    ASSERT_EQ(board.store.recorded.size(), 1u);
    const GameResult& game = board.store.recorded[0];
    EXPECT_EQ(game.seconds, 75);
    EXPECT_EQ(std::tuple(game.pairs, game.correct, game.wrong, game.peeks, game.assisted),
              std::tuple(3, 3, 1, 1, false));
    ASSERT_EQ(game.outcomes.size(), 3u);
    EXPECT_EQ(std::tuple(game.outcomes[0].key.textA, game.outcomes[0].missed), std::tuple("a0", 1));
    EXPECT_EQ(std::tuple(game.outcomes[2].key.textB, game.outcomes[2].peeked), std::tuple("b2", 1));
    EXPECT_EQ(game.outcomes[1].key.fingerprint, ListFingerprint(board.state.WordList));
    EXPECT_EQ(std::vector({game.outcomes[0].grade, game.outcomes[1].grade, game.outcomes[2].grade}),
              std::vector<std::optional<Grade>>({Grade::Again, Grade::Good, Grade::Hard}))
        << "missed, clean, peeked";

    const GameReport report = ReportGame(board.state, board.session.Record());
    ASSERT_EQ(report.troubled.size(), 2u);
    EXPECT_EQ(report.troubled[0].textA, "a0") << "the missed pair before the peeked one";
    EXPECT_EQ(report.troubled[0].confusedWith, std::vector<std::string>{"a1 = b1"});
    EXPECT_EQ(Duration(report.seconds), "1:15");
}

// Each failure is noted, so that a note the player closed comes back with the next one.
TEST(GameRecord, AFailingStoreNeverStopsPlayAndEachFailureIsNoted) {
    LearningBoard board;
    board.store.failWith = "disk full";
    board.MatchAll();
    board.state = LearningBoard().state;
    board.host.OnPlayEvent({PlayEventKind::GameStarted});
    board.MatchAll();
    EXPECT_EQ(board.host.wins, 2);
    EXPECT_EQ(board.host.noteLog, std::vector<std::string>(2, "Progress is not kept: disk full"));
}

} // namespace
