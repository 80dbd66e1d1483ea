#include "game/board_geometry.h"
#include "game/deal.h"
#include "game/game_state.h"
#include "support/board_checks.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

namespace {

GameState StateWithPairs(int count) {
    GameState state;
    state.WordList = NumberedPairs(count);
    state.WordsCount = count;
    return state;
}

struct Tile {
    std::int32_t pair;
    std::int32_t side;
    bool operator==(const Tile&) const = default;
};

std::vector<Tile> Board(const GameState& state) {
    std::vector<Tile> board;
    for (std::size_t cell = 0; cell < state.AssignmentArray.size(); ++cell) {
        const bool empty = state.AssignmentArray[cell] == NoPair;
        board.push_back({state.AssignmentArray[cell], empty ? 0 : state.AssignmentAB[cell]});
    }
    return board;
}

constexpr Tile Empty{NoPair, 0};

// Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724. On five cells they scale to 1, 2, 1, 4:
// pair 0 goes to cells 1 (odd draw: TextB) and 2; pair 1 probes past 1 and 2 to cell 3, then 4.
TEST(NewGame, DealsTheGoldenBoardOfSeedOne) {
    GameState state = StateWithPairs(2);
    RecordingHost host;
    host.seed = 1;
    EXPECT_EQ(NewGame(state, host), DealOutcome::Complete);
    EXPECT_EQ(Board(state), (std::vector<Tile>{Empty, {0, 1}, {0, 0}, {1, 1}, {1, 0}}));
}

// On twenty cells the same draws scale to 1, 11, 3, 16, 11, 9: pair 2's first tile finds
// cell 11 taken and moves on to 12.
TEST(NewGame, ProbesUpwardsPastFilledCells) {
    GameState state = StateWithPairs(3);
    RecordingHost host;
    host.seed = 1;
    EXPECT_EQ(NewGame(state, host), DealOutcome::Complete);
    std::vector<Tile> expected(20, Empty);
    expected[1] = {0, 1};
    expected[11] = {0, 0};
    expected[3] = {1, 1};
    expected[16] = {1, 0};
    expected[12] = {2, 1};
    expected[9] = {2, 0};
    EXPECT_EQ(Board(state), expected);
}

class DealSizes : public testing::TestWithParam<int> {};

TEST_P(DealSizes, NewGamePlacesBothWordsOfEveryPair) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        GameState state = StateWithPairs(GetParam());
        RecordingHost host;
        host.seed = seed;
        ASSERT_EQ(NewGame(state, host), DealOutcome::Complete);
        const auto cells = CellsByPair(state);
        ASSERT_EQ(static_cast<int>(cells.size()), GetParam());
        for (const auto& [pair, where] : cells) {
            ASSERT_EQ(where.size(), 2u);
            EXPECT_EQ(state.AssignmentAB[static_cast<std::size_t>(where[0])] +
                          state.AssignmentAB[static_cast<std::size_t>(where[1])],
                      1);
        }
        EXPECT_TRUE(host.messages.empty());
    }
}

// Removes the pairs in the order they were dealt: each must then have both tiles on top.
void ExpectClearableInDealOrder(GameState& state) {
    const auto cells = CellsByPair(state);
    for (const auto& [pair, where] : cells) {
        ASSERT_EQ(where.size(), 2u) << "pair " << pair;
        for (std::int32_t cell : where) {
            const CellPlace place = PlaceOfCell(cell);
            ASSERT_EQ(TopCellAt(state, place.column, place.row), cell) << "pair " << pair;
        }
        for (std::int32_t cell : where) {
            state.AssignmentArray[static_cast<std::size_t>(cell)] = NoPair;
        }
    }
}

void ExpectStacksWithoutGapsAndPairsApart(const GameState& state) {
    for (const auto& [pair, where] : CellsByPair(state)) {
        if (where.size() < 2) {
            continue; // the lone first tile of a pair whose second found no place
        }
        const CellPlace first = PlaceOfCell(where.front());
        const CellPlace second = PlaceOfCell(where.back());
        EXPECT_FALSE(first.column == second.column && first.row == second.row) << pair;
    }
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            bool emptyAbove = false;
            for (int level = FirstLevelCovering(row); level <= state.LevelCount; ++level) {
                const bool filled =
                    state
                        .AssignmentArray[static_cast<std::size_t>(CellIndex(level, column, row))] !=
                    NoPair;
                EXPECT_FALSE(filled && emptyAbove) << column << "," << row << " level " << level;
                emptyAbove = emptyAbove || !filled;
            }
        }
    }
}

TEST_P(DealSizes, NewGame3NeverBlocksATile) {
    int complete = 0;
    for (std::uint32_t i = 1; i <= 20; ++i) {
        GameState state = StateWithPairs(GetParam());
        RecordingHost host;
        host.seed = i * 2654435761u; // neighbouring seeds start alike
        SCOPED_TRACE(host.seed);
        const DealOutcome outcome = NewGameUnblocked(state, host);
        ExpectStacksWithoutGapsAndPairsApart(state);
        if (outcome == DealOutcome::Complete) {
            ++complete;
            EXPECT_TRUE(host.messages.empty());
            ExpectClearableInDealOrder(state);
        } else {
            ASSERT_EQ(outcome, DealOutcome::Incomplete);
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0], "Unable to place all tiles\nbecause some tiles would "
                                        "have been blocked.\nYou may want to retry by starting "
                                        "another new game");
        }
    }
    EXPECT_GT(complete, 0);
}

// Sizes around every level boundary, including the lists that need column 5 and row 7.
INSTANTIATE_TEST_SUITE_P(AroundLevelBoundaries, DealSizes,
                         testing::Values(0, 1, 2, 3, 8, 9, 10, 11, 19, 22, 23, 31, 40, 41, 43, 57,
                                         58, 150));

TEST(NewGame, EmptyListGivesOneEmptyLevel) {
    for (auto deal : {NewGame, NewGameUnblocked}) {
        GameState state;
        RecordingHost host;
        EXPECT_EQ(deal(state, host), DealOutcome::Complete);
        EXPECT_EQ(state.LevelCount, 1);
        EXPECT_EQ(state.AssignmentArray, std::vector<std::int32_t>(5, NoPair));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(NewGame, TenPairsFillBothLevels) {
    GameState state = StateWithPairs(10);
    RecordingHost host;
    NewGame(state, host);
    EXPECT_EQ(std::count(state.AssignmentArray.begin(), state.AssignmentArray.end(), NoPair), 0);
}

TEST(NewGame, SameSeedSameBoard) {
    for (auto deal : {NewGame, NewGameUnblocked}) {
        GameState first = StateWithPairs(30);
        GameState second = StateWithPairs(30);
        RecordingHost host;
        deal(first, host);
        deal(second, host);
        EXPECT_EQ(Board(first), Board(second));
    }
}

TEST(NewGame, ADealStopsAPendingAutomaticRemoval) {
    GameState state = StateWithPairs(4);
    RecordingHost host;
    host.SetTimer(AutoTimerId, 100);
    host.SetTimer(HintTimerId, 2000);
    state.AutoRemovePending = true;
    NewGameUnblocked(state, host);
    EXPECT_FALSE(state.AutoRemovePending);
    EXPECT_TRUE(host.runningTimers.empty());
}

} // namespace
