#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "support/games.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelRule, SizesTheBoardFromThePairCount) {
    // pairs, levels, cells: both sides of every boundary
    const int cases[][3] = {{0, 1, 5},    {2, 1, 5},    {3, 2, 20},   {10, 2, 20},
                            {11, 3, 45},  {22, 3, 45},  {23, 4, 80},  {40, 4, 80},
                            {41, 5, 115}, {57, 5, 115}, {58, 6, 150}, {75, 7, 185}};
    for (const auto& [words, levels, cells] : cases) {
        EXPECT_EQ(LevelCountFor(words), levels) << words << " pairs";
        EXPECT_EQ(CellCountFor(levels), cells) << levels << " levels";
    }
    EXPECT_EQ(CellCountFor(LevelCountFor(100000)), 200035);
    for (int words = 0; words <= 5000; ++words) {
        ASSERT_GE(CellCountFor(LevelCountFor(words)), 2 * words) << words << " pairs";
    }
}

TEST(CellNumbering, NumbersCellsLevelByLevelAndRowByRow) {
    // level, column, row, cell; -1 where the level has no such cell
    const int cases[][4] = {
        {1, 1, 4, 0},   {1, 5, 4, 4},  {2, 1, 3, 5},  {2, 1, 4, 10}, {2, 5, 5, 19}, {3, 1, 2, 20},
        {3, 1, 4, 30},  {3, 5, 6, 44}, {4, 1, 1, 45}, {4, 1, 4, 60}, {4, 5, 7, 79}, {5, 1, 1, 80},
        {5, 5, 7, 114}, {1, 1, 3, -1}, {1, 1, 5, -1}, {2, 3, 2, -1}, {3, 2, 1, -1}, {3, 2, 7, -1},
        {0, 1, 4, -1},  {4, 0, 4, -1}, {4, 6, 4, -1}};
    for (const auto& [level, column, row, cell] : cases) {
        EXPECT_EQ(CellIndex(level, column, row), cell) << level << ":" << column << "," << row;
    }
    for (int cell = 0; cell < CellCountFor(9); ++cell) {
        const CellPlace place = PlaceOfCell(cell);
        ASSERT_EQ(CellIndex(place.level, place.column, place.row), cell);
    }
}

TEST(TopCellAt, SkipsGapsAndFollowsTilesPlacedAndRemoved) {
    GameState state = MakeGame(NumberedPairs(23)); // four levels
    EXPECT_EQ(TopCellAt(GameState{}, 2, 4), -1);
    EXPECT_EQ(TopLevelAt(state, 2, 4), 0);
    PlaceTile(state, CellIndex(4, 2, 4), 7, 0); // under two empty cells
    EXPECT_EQ(TopCellAt(state, 2, 4), CellIndex(4, 2, 4));
    PlaceTile(state, CellIndex(2, 2, 4), 3, 1); // above the top found before
    EXPECT_EQ(TopLevelAt(state, 2, 4), 2);
    state.AssignmentArray[static_cast<std::size_t>(CellIndex(2, 2, 4))] = NoPair;
    EXPECT_EQ(TopLevelAt(state, 2, 4), 4);
    state.AssignmentArray[static_cast<std::size_t>(CellIndex(4, 2, 4))] = NoPair;
    EXPECT_EQ(TopCellAt(state, 2, 4), -1);
    PlaceTile(state, CellIndex(3, 2, 4), 1, 0); // after the position was found empty
    EXPECT_EQ(TopLevelAt(state, 2, 4), 3);
    PlaceTile(state, CellIndex(4, 5, 1), 0, 0); // row 1 starts on level 4
    EXPECT_EQ(TopLevelAt(state, 5, 1), 4);
}

TEST(WordShownAt, FollowsTheSideAndMissingWords) {
    GameState state = MakeGame({{"chat", std::nullopt}}, {{0, 0, 0}, {1, 0, 1}});
    EXPECT_EQ(*WordShownAt(state, 0), "chat");
    EXPECT_EQ(WordHiddenAt(state, 0), nullptr);
    EXPECT_EQ(WordShownAt(state, 1), nullptr);
    EXPECT_EQ(*WordHiddenAt(state, 1), "chat");
    EXPECT_EQ(WordShownAt(state, 2), nullptr);
    EXPECT_EQ(WordShownAt(state, 100000), nullptr);
}

TEST(AllocateBoard, ResetsPlayButKeepsTheListAndItsFiles) {
    GameState state = MakeGame(NumberedPairs(11), {{3, 1, 1}});
    state.FileDescription = state.RecordFileName = state.LastRemovedTextA = "kept";
    state.CorrectCount = state.WrongCount = state.HintCount = state.DisplayedLevel = 2;
    state.SelectedCol = state.SelectedRow = state.WrongMarkCol = state.WrongMarkRow = 2;
    RecordingHost host;
    ASSERT_EQ(AllocateBoard(state, host), 0);
    EXPECT_EQ(state.AssignmentArray, std::vector<std::int32_t>(45, NoPair));
    EXPECT_EQ(std::vector({state.CorrectCount, state.WrongCount, state.HintCount,
                           state.DisplayedLevel, state.SelectedCol, state.WrongMarkCol}),
              std::vector(6, 0));
    EXPECT_EQ(state.FileDescription + state.RecordFileName + state.LastRemovedTextA, "keptkept");
    EXPECT_EQ(state.WordList.size(), 11u);
}

} // namespace
