#include "game/board_geometry.h"
#include "game/deal.h"
#include "game/stacked_board.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

// Per filled cell its pair and side.
std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>> Board(const GameState& state) {
    std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>> board;
    for (const auto& [pair, cells] : CellsByPair(state)) {
        for (std::int32_t cell : cells) {
            board[cell] = {pair, state.AssignmentAB[static_cast<std::size_t>(cell)]};
        }
    }
    return board;
}

// Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724. On five cells they scale to 1, 2, 1, 4:
// pair 0 goes to cells 1 (odd draw: TextB) and 2; pair 1 probes past 1 and 2 to cell 3, then 4.
// On twenty cells they scale to 1, 11, 3, 16, 11, 9: pair 2's first tile finds cell 11 taken
// and moves on to 12.
TEST(NewGame, DealsTheGoldenBoardsOfSeedOne) {
    const std::pair<int, decltype(Board(GameState{}))> deals[] = {
        {2, {{1, {0, 1}}, {2, {0, 0}}, {3, {1, 1}}, {4, {1, 0}}}},
        {3, {{1, {0, 1}}, {11, {0, 0}}, {3, {1, 1}}, {16, {1, 0}}, {12, {2, 1}}, {9, {2, 0}}}}};
    for (const auto& [pairs, expected] : deals) {
        GameState state = MakeGame(NumberedPairs(pairs));
        RecordingHost host;
        host.seed = 1;
        EXPECT_EQ(NewGame(state, host), DealOutcome::Complete);
        EXPECT_EQ(Board(state), expected) << pairs << " pairs";
        ASSERT_EQ(host.events.size(), 1u);
        EXPECT_EQ(host.events[0].kind, PlayEventKind::GameStarted);
    }
}

// Sizes around every level boundary, including the lists that need column 5 and row 7.
constexpr int DealSizes[] = {0, 1, 2, 3, 8, 9, 10, 11, 19, 22, 23, 31, 40, 41, 43, 57, 58, 150};

// No pair in one stack and no tile below an empty cell; then, for a complete deal, removing the
// pairs in the order they were dealt must find both tiles of each on top.
void ExpectUnblocked(GameState& state, bool complete) {
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
                const auto cell = static_cast<std::size_t>(CellIndex(level, column, row));
                const bool filled = state.AssignmentArray[cell] != NoPair;
                EXPECT_FALSE(filled && emptyAbove) << column << "," << row << " level " << level;
                emptyAbove = emptyAbove || !filled;
            }
        }
    }
    if (!complete) {
        return;
    }
    for (const auto& [pair, where] : CellsByPair(state)) {
        for (std::int32_t cell : where) {
            const CellPlace place = PlaceOfCell(cell);
            ASSERT_EQ(TopCellAt(state, place.column, place.row), cell) << "pair " << pair;
        }
        for (std::int32_t cell : where) {
            state.AssignmentArray[static_cast<std::size_t>(cell)] = NoPair;
        }
    }
}

// Both deals place each word of every pair once; New Game3 may give up, but never blocks a tile.
TEST(NewGame, PlacesEveryPairAndNewGame3NeverBlocksATile) {
    for (const int pairs : DealSizes) {
        int complete = 0;
        for (std::uint32_t i = 1; i <= 40; ++i) {
            const bool unblocked = i % 2 == 0;
            GameState state = MakeGame(NumberedPairs(pairs));
            RecordingHost host;
            host.seed = unblocked ? i * 2654435761u : i; // neighbouring seeds start alike
            SCOPED_TRACE(testing::Message() << pairs << " pairs, seed " << host.seed);
            const DealOutcome outcome = (unblocked ? NewGameUnblocked : NewGame)(state, host);
            if (unblocked && outcome != DealOutcome::Complete) {
                ASSERT_EQ(outcome, DealOutcome::Incomplete);
                EXPECT_EQ(host.messages,
                          std::vector<std::string>{
                              "Unable to place all tiles\nbecause some tiles would have been "
                              "blocked.\nYou may want to retry by starting another new game"});
                ExpectUnblocked(state, false);
                continue;
            }
            ASSERT_EQ(outcome, DealOutcome::Complete);
            EXPECT_TRUE(host.messages.empty());
            complete += unblocked ? 1 : 0;
            const auto cells = CellsByPair(state);
            ASSERT_EQ(static_cast<int>(cells.size()), pairs);
            for (const auto& [pair, where] : cells) {
                ASSERT_EQ(where.size(), 2u);
                EXPECT_EQ(state.AssignmentAB[static_cast<std::size_t>(where[0])] +
                              state.AssignmentAB[static_cast<std::size_t>(where[1])],
                          1);
            }
            if (unblocked) {
                ExpectUnblocked(state, true);
            }
        }
        EXPECT_GT(complete, 0) << pairs << " pairs";
    }
}

TEST(StackedBoard, ReportsOnlyAPairThatWaitsOnItself) {
    for (const bool selfBlocked : {true, false}) {
        GameState state = MakeGame(NumberedPairs(11));
        RecordingHost host;
        StackedBoard board(state, host);
        board.Place(CellIndex(1, 1, 4), 0, 0);
        board.Place(CellIndex(1, 2, 4), 0, 1);
        board.Place(CellIndex(2, 2, 4), 1, 0);
        board.Place(selfBlocked ? CellIndex(3, 2, 4) : CellIndex(1, 3, 4), 1, 1);
        EXPECT_EQ(board.FirstEmptyCellAt(1, 4), CellIndex(2, 1, 4));
        EXPECT_EQ(board.CoveringCellAt(1, 4), CellIndex(1, 1, 4));
        EXPECT_EQ(board.PartnerCell(CellIndex(1, 1, 4)), CellIndex(1, 2, 4));
        EXPECT_EQ(board.CheckForBlockedTiles(1, 4), selfBlocked ? 1 : 0);
        EXPECT_EQ(board.CheckForBlockedTiles(4, 4), 0); // nothing above a new tile there
        EXPECT_TRUE(host.messages.empty());
    }
}

} // namespace
