#include "game/stack_navigation.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

using enum CursorMove;

struct MoveCase {
    BoardPosition from;
    CursorMove move;
    std::optional<BoardPosition> to;
};

// Tiles on the bottom level of four, with gaps in rows and columns:
//   row 1: columns 2 and 5;  row 4: columns 1 and 3;  row 6: column 3;  row 7: column 4.
TEST(StackNavigation, MovesSkipEmptyStacksAndWrapAround) {
    PlayBoard board(23);
    const BoardPosition tiles[] = {{2, 1}, {5, 1}, {1, 4}, {3, 4}, {3, 6}, {4, 7}};
    for (int i = 0; i < 6; ++i) {
        board.Put(i / 2, i % 2, 4, tiles[i].column, tiles[i].row);
    }
    const MoveCase cases[] = {
        {{2, 1}, Next, {{5, 1}}},     {{5, 1}, Next, {{1, 4}}},
        {{4, 7}, Next, {{2, 1}}},     {{2, 1}, Previous, {{4, 7}}},
        {{1, 4}, Previous, {{5, 1}}}, {{0, 0}, Next, {{2, 1}}},
        {{0, 0}, Previous, {{4, 7}}}, {{3, 4}, First, {{2, 1}}},
        {{3, 4}, Last, {{4, 7}}},     {{2, 2}, Next, {{1, 4}}}, // an emptied stack
        {{3, 4}, Down, {{3, 6}}},     {{3, 6}, Down, {{3, 4}}}, // down the column, wrapping
        {{3, 4}, Up, {{3, 6}}},       {{3, 6}, Up, {{3, 4}}},
        {{2, 1}, Down, {{1, 4}}}, // alone in its column: nearest row below, left first
        {{5, 1}, Up, {{4, 7}}},   // ... and upwards across the top edge
        {{1, 4}, Down, {{3, 6}}},     {{0, 0}, Down, {{2, 1}}},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from.column << "," << c.from.row << " move "
                                        << static_cast<int>(c.move));
        EXPECT_EQ(StackAfterMove(board.state, c.from, c.move), c.to);
    }
}

TEST(StackNavigation, ALoneTileKeepsTheCursorAndAnEmptyBoardHasNone) {
    PlayBoard board(1);
    for (const CursorMove move : {Next, Previous, Up, Down, First, Last}) {
        EXPECT_EQ(StackAfterMove(board.state, {3, 4}, move), std::nullopt);
    }
    board.Put(0, 0, 1, 3, 4);
    for (const CursorMove move : {Next, Previous, Up, Down, First, Last}) {
        EXPECT_EQ(StackAfterMove(board.state, {3, 4}, move), (BoardPosition{3, 4}));
    }
}

} // namespace
