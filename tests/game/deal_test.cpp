#include "game/board_geometry.h"
#include "game/deal.h"
#include "game/stack_room.h"
#include "game/stacked_board.h"
#include "support/games.h"

#include <gtest/gtest.h>

#include <set>

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

// Seed 126 draws (column, row) as 1 2, 2 5 | 5 3 | 4 7, 2 2, 1 1, 2 1, 1 4 | 4 7, 2 3 | 4 2, 5 6,
// 5 1, 3 4 | 5 1, 3 1, 3 1, 4 2, 3 7, 2 5, 2 7, 4 3 on two levels, where only rows 3 to 5 have
// cells. Pair 0: (1, 2) has no cell, so (2, 5) takes it, cell 16, TextB from the odd column
// drawn first; its partner goes to (5, 3), cell 9. Pair 1: (1, 4) is cell 0, TextA from the even
// column 4 drawn first; its partner lands on (2, 3), cell 6. Pair 2: (3, 4) is cell 2, TextA
// from column 4 again; its partner passes the full stack (2, 5) and lands on (4, 3), cell 8.
TEST(NewGame3, DealsTheGoldenBoardOfSeed126) {
    GameState state = MakeGame(NumberedPairs(3));
    RecordingHost host;
    host.seed = 126;
    EXPECT_EQ(NewGameUnblocked(state, host), DealOutcome::Complete);
    const decltype(Board(state)) expected = {{16, {0, 1}}, {9, {0, 0}}, {0, {1, 0}},
                                             {6, {1, 1}},  {2, {2, 0}}, {8, {2, 1}}};
    EXPECT_EQ(Board(state), expected);
}

// The French verbs example's 25 pairs: a fresh board holds tiles in every column and row, and
// the two tiles of a pair never lie in one stack.
TEST(NewGame3, OverAThousandSeedsEveryColumnAndRowIsUsedAndNoPairSharesAStack) {
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        GameState state = MakeGame(NumberedPairs(25));
        RecordingHost host;
        host.seed = seed;
        ASSERT_EQ(NewGameUnblocked(state, host), DealOutcome::Complete) << "seed " << seed;
        std::set<int> columns;
        std::set<int> rows;
        for (const auto& [pair, cells] : CellsByPair(state)) {
            ASSERT_EQ(cells.size(), 2u);
            const CellPlace first = PlaceOfCell(cells[0]);
            const CellPlace second = PlaceOfCell(cells[1]);
            EXPECT_NE(PositionIndex(first.column, first.row),
                      PositionIndex(second.column, second.row))
                << "pair " << pair << ", seed " << seed;
            for (const CellPlace& place : {first, second}) {
                columns.insert(place.column);
                rows.insert(place.row);
            }
        }
        EXPECT_EQ(columns.size(), static_cast<std::size_t>(BoardColumns)) << "seed " << seed;
        EXPECT_EQ(rows.size(), static_cast<std::size_t>(BoardRows)) << "seed " << seed;
    }
}

TEST(NewGame, PlacesBothWordsOfEveryPair) {
    for (const int pairs : {0, 1, 2, 3, 9, 10, 11, 22, 23, 40, 41, 57, 58, 150}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            GameState state = MakeGame(NumberedPairs(pairs));
            RecordingHost host;
            host.seed = seed;
            ASSERT_EQ(NewGame(state, host), DealOutcome::Complete) << pairs << " pairs";
            const auto cells = CellsByPair(state);
            ASSERT_EQ(static_cast<int>(cells.size()), pairs);
            for (const auto& [pair, where] : cells) {
                ASSERT_EQ(where.size(), 2u);
                EXPECT_EQ(state.AssignmentAB[static_cast<std::size_t>(where[0])] +
                              state.AssignmentAB[static_cast<std::size_t>(where[1])],
                          1);
            }
        }
    }
}

// Every size up to 100, then sizes across the level boundaries up to 2,000, boards the level
// rule fills exactly (10, 40, 75, 320, 985, 2,000) and the sizes that used to fail.
std::vector<int> SweepSizes() {
    std::vector<int> sizes;
    for (int pairs = 1; pairs <= 100; ++pairs) {
        sizes.push_back(pairs);
    }
    for (int pairs = 101; pairs < 2000; pairs += 37) {
        sizes.push_back(pairs);
    }
    sizes.insert(sizes.end(), {300, 320, 700, 985, 1000, 2000});
    return sizes;
}

// Removing the pairs in the order they were dealt finds both tiles of each on top, on two
// different positions, and leaves the board empty.
void ExpectClearsInDealOrder(GameState& state) {
    for (std::int32_t pair = 0; pair < state.WordsCount; ++pair) {
        std::vector<std::int32_t> cells;
        for (int column = 1; column <= BoardColumns; ++column) {
            for (int row = 1; row <= BoardRows; ++row) {
                const std::int32_t top = TopCellAt(state, column, row);
                if (top >= 0 && state.AssignmentArray[static_cast<std::size_t>(top)] == pair) {
                    cells.push_back(top);
                }
            }
        }
        ASSERT_EQ(cells.size(), 2u) << "pair " << pair << " is not free on two positions";
        ASSERT_NE(state.AssignmentAB[static_cast<std::size_t>(cells[0])],
                  state.AssignmentAB[static_cast<std::size_t>(cells[1])])
            << "pair " << pair << " shows one word twice";
        for (const std::int32_t cell : cells) {
            state.AssignmentArray[static_cast<std::size_t>(cell)] = NoPair;
        }
    }
    EXPECT_EQ(Tiles(state), 0);
}

TEST(NewGame3, DealsEveryListCompletelyAndItClearsInDealOrder) {
    struct Sweep {
        std::vector<int> sizes;
        std::uint32_t seeds;
    };
    const Sweep sweeps[] = {{SweepSizes(), 3}, {{100'000}, 1}};
    for (const auto& [sizes, seeds] : sweeps) {
        for (const int pairs : sizes) {
            for (std::uint32_t i = 1; i <= seeds; ++i) {
                GameState state = MakeGame(NumberedPairs(pairs));
                RecordingHost host;
                host.seed = i * 2654435761u + static_cast<std::uint32_t>(pairs);
                SCOPED_TRACE(testing::Message() << pairs << " pairs, seed " << host.seed);
                ASSERT_EQ(NewGameUnblocked(state, host), DealOutcome::Complete);
                EXPECT_TRUE(host.messages.empty());
                ASSERT_EQ(Tiles(state), 2 * static_cast<std::int64_t>(pairs));
                ExpectClearsInDealOrder(state);
            }
        }
    }
}

// Whether the pairs fit, found by trying every split of every pair over two stacks.
bool PairsFitByTrial(StackRooms& rooms, int pairs, int fromStack = 0) {
    if (pairs == 0) {
        return true;
    }
    // Pairs are alike, so each later pair takes no stack before the earlier pair's first.
    for (int first = fromStack; first < BoardPositions; ++first) {
        for (int second = first + 1; second < BoardPositions; ++second) {
            auto& a = rooms[static_cast<std::size_t>(first)];
            auto& b = rooms[static_cast<std::size_t>(second)];
            if (a == 0 || b == 0) {
                continue;
            }
            --a;
            --b;
            const bool fits = PairsFitByTrial(rooms, pairs - 1, first);
            ++a;
            ++b;
            if (fits) {
                return true;
            }
        }
    }
    return false;
}

// Every room of 0 to 3 on four stacks, up to four pairs, against the trial: the stack sums hold
// for a whole list, and for the first and the second tile of a pair.
TEST(StackRoom, AgreesWithTryingEverySplitOnSmallBoards) {
    constexpr int Stacks = 4;
    for (int code = 0; code < 256; ++code) {
        StackRooms rooms{};
        for (int stack = 0; stack < Stacks; ++stack) {
            rooms[static_cast<std::size_t>(stack)] = (code >> (2 * stack)) & 3;
        }
        for (int pairs = 1; pairs <= 4; ++pairs) {
            SCOPED_TRACE(testing::Message() << "rooms code " << code << ", " << pairs << " pairs");
            ASSERT_EQ(PairsFit(rooms, pairs), PairsFitByTrial(rooms, pairs));
            for (int stack = 0; stack < Stacks; ++stack) {
                auto& room = rooms[static_cast<std::size_t>(stack)];
                if (room == 0) {
                    EXPECT_FALSE(FirstTileFits(rooms, stack, pairs - 1));
                    EXPECT_FALSE(SecondTileFits(rooms, stack, pairs - 1));
                    continue;
                }
                --room;
                const bool secondFits = PairsFitByTrial(rooms, pairs - 1);
                bool firstFits = false;
                for (int other = 0; other < Stacks; ++other) {
                    auto& otherRoom = rooms[static_cast<std::size_t>(other)];
                    if (other != stack && otherRoom > 0) {
                        --otherRoom;
                        firstFits = firstFits || PairsFitByTrial(rooms, pairs - 1);
                        ++otherRoom;
                    }
                }
                ++room;
                EXPECT_EQ(FirstTileFits(rooms, stack, pairs - 1), firstFits) << "stack " << stack;
                EXPECT_EQ(SecondTileFits(rooms, stack, pairs - 1), secondFits) << "stack " << stack;
            }
        }
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
