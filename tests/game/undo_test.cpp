#include "game/auto_play.h"
#include "game/board_position.h"
#include "game/deal.h"
#include "game/undo.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What undo and redo must bring back exactly: the cells, their sides, the Removed Tiles texts.
auto Take(const GameState& state) {
    return std::tuple(state.AssignmentArray, state.AssignmentAB, state.LastRemovedTextA,
                      state.LastRemovedTextB);
}

std::vector<std::int32_t> Counters(const GameState& state) {
    return {state.CorrectCount, state.WrongCount, state.HintCount, state.UndoCount};
}

// Per free pair its two positions, found through the top-tile queries play uses.
std::vector<std::pair<BoardPosition, BoardPosition>> FreePairs(const GameState& state) {
    std::map<std::int32_t, std::vector<BoardPosition>> tops;
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            const std::int32_t cell = TopCellAt(state, column, row);
            if (cell >= 0) {
                tops[state.AssignmentArray[static_cast<std::size_t>(cell)]].push_back(
                    {column, row});
            }
        }
    }
    std::vector<std::pair<BoardPosition, BoardPosition>> free;
    for (const auto& [pair, positions] : tops) {
        if (positions.size() == 2) {
            free.emplace_back(positions[0], positions[1]);
        }
    }
    return free;
}

// A seeded game in play, with removals by the player's picks and by automatic play.
struct DealtGame {
    GameState state;
    RecordingHost host;
    std::mt19937 random;

    DealtGame(int pairs, std::uint32_t seed) : state(MakeGame(NumberedPairs(pairs))), random(seed) {
        host.seed = seed;
        NewGameUnblocked(state, host);
    }
    void Pick(BoardPosition at) {
        LeftButtonDown(state, host, PixelX(at.column), PixelY(at.row));
        LeftButtonUp(state, host);
    }
    void RemoveSomePair() {
        const auto free = FreePairs(state);
        const auto& [first, second] = free[random() % free.size()];
        if (random() % 3 == 0) {
            AutoRemovePair(state, host);
            OnTimer(state, host, AutoTimerId);
        } else {
            Pick(first);
            Pick(second);
        }
    }
};

TEST(Undo, UndoingEveryRemovalRestoresTheStartAndRedoingRestoresTheEnd) {
    for (const auto& [pairs, seed, removals] :
         {std::tuple{10, 1u, 10}, {40, 7u, 25}, {150, 3u, 60}}) {
        SCOPED_TRACE(testing::Message() << pairs << " pairs, seed " << seed);
        DealtGame game(pairs, seed);
        const auto start = Take(game.state);
        const auto startPairs = FreePairs(game.state);
        std::vector<std::int32_t> counters = Counters(game.state);
        const auto countersRise = [&] {
            const std::vector<std::int32_t> now = Counters(game.state);
            for (std::size_t i = 0; i < now.size(); ++i) {
                EXPECT_GE(now[i], counters[i]) << "counter " << i;
            }
            counters = now;
        };
        for (int i = 0; i < removals; ++i) {
            game.RemoveSomePair();
            countersRise();
        }
        ASSERT_EQ(Tiles(game.state), 2 * static_cast<std::int64_t>(pairs - removals));
        const auto end = Take(game.state);
        game.host.events.clear();
        for (int i = 0; i < removals; ++i) {
            ASSERT_TRUE(UndoRemoval(game.state, game.host));
            countersRise();
        }
        EXPECT_FALSE(UndoRemoval(game.state, game.host));
        EXPECT_EQ(Take(game.state), start);
        EXPECT_EQ(FreePairs(game.state), startPairs);
        EXPECT_EQ(game.state.UndoCount, removals);
        for (int i = 0; i < removals; ++i) {
            ASSERT_TRUE(RedoRemoval(game.state, game.host));
            countersRise();
        }
        EXPECT_FALSE(RedoRemoval(game.state, game.host));
        EXPECT_EQ(Take(game.state), end);
        ASSERT_EQ(game.host.events.size(), 2u * static_cast<std::size_t>(removals));
        EXPECT_EQ(game.host.events.front().kind, PlayEventKind::RemovalUndone);
        EXPECT_EQ(game.host.events.back().kind, PlayEventKind::RemovalRedone);
    }
}

TEST(Undo, ANewRemovalAfterAnUndoLeavesNothingToRedoAndADealForgetsTheHistory) {
    DealtGame game(10, 5);
    game.RemoveSomePair();
    game.RemoveSomePair();
    ASSERT_TRUE(UndoRemoval(game.state, game.host));
    game.RemoveSomePair();
    EXPECT_FALSE(RedoRemoval(game.state, game.host));
    EXPECT_EQ(Tiles(game.state), 16);
    NewGame(game.state, game.host);
    EXPECT_FALSE(UndoRemoval(game.state, game.host));
    EXPECT_EQ(game.state.UndoCount, 0);
}

// The state a file is read into carries what outlives a game, and none of the game itself.
TEST(Undo, TheStateANewFileIsReadIntoHasNoHistoryButKeepsWhereSaveWrites) {
    DealtGame game(10, 5);
    game.RemoveSomePair();
    game.state.RecordFileName = "game.txt";
    game.state.AutoInterval = SlowAutoInterval;
    const GameState next = NextGameState(game.state);
    EXPECT_EQ(next.History.LastRemoval(), nullptr);
    EXPECT_TRUE(next.WordList.empty() && !next.HasBoard());
    EXPECT_EQ(Counters(next), std::vector<std::int32_t>(4, 0));
    EXPECT_EQ(next.RecordFileName, "game.txt");
    EXPECT_EQ(next.AutoInterval, SlowAutoInterval);
    RandomSource random = next.Random;
    EXPECT_EQ(random.Next(), game.state.Random.Next());
    // The game in play is left whole, for a file that fails to open.
    EXPECT_NE(game.state.History.LastRemoval(), nullptr);
    EXPECT_EQ(Tiles(game.state), 18);
}

// Undo stops automatic play at once: the pair found is left on the board and no tick follows.
TEST(Undo, StopsAPendingRemovalAndFastAutoFinish) {
    for (const auto startPlay : {&AutoRemovePair, &FastAutoFinish}) {
        DealtGame game(10, 9);
        game.RemoveSomePair();
        game.Pick(FreePairs(game.state).front().first);
        const auto start = Take(game.state);
        startPlay(game.state, game.host);
        ASSERT_TRUE(UndoRemoval(game.state, game.host));
        EXPECT_FALSE(game.state.AutoRemovePending);
        EXPECT_TRUE(game.host.runningTimers.empty());
        EXPECT_FALSE(game.state.HasSelection());
        EXPECT_EQ(Tiles(game.state), 20);
        ASSERT_TRUE(RedoRemoval(game.state, game.host));
        EXPECT_EQ(std::get<0>(Take(game.state)), std::get<0>(start));
    }
}

} // namespace
