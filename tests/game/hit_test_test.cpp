#include "game/game_state.h"
#include "game/hit_test.h"

#include <gtest/gtest.h>

namespace {

TEST(HitTest, ColumnBoundsAreExclusiveLeftInclusiveRight) {
    const GameState state;
    const std::pair<int, int> columns[] = {{10, 0},  {11, 1},  {190, 1}, {191, 2},
                                           {910, 5}, {911, 0}, {-5, 0}};
    for (const auto& [x, column] : columns) {
        EXPECT_EQ(HitTest(state, x, 300), (BoardPosition{column, 3})) << "x " << x;
    }
}

TEST(HitTest, RowBoundsFollowTheBoardTop) {
    const GameState state;
    const std::pair<int, int> rows[] = {{100, 0}, {101, 1}, {167, 1}, {168, 2},
                                        {569, 7}, {570, 0}, {0, 0}};
    for (const auto& [y, row] : rows) {
        EXPECT_EQ(HitTest(state, 300, y), (BoardPosition{2, row})) << "y " << y;
    }
}

} // namespace
