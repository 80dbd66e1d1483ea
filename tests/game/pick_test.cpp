#include "game/pick.h"
#include "game/play_board.h"

#include <gtest/gtest.h>

namespace {

using Draw = RecordingHost::TileDraw;

void Press(PlayBoard& board, int x, int y) {
    LeftButtonDown(board.state, board.host, x, y);
}
void PressAt(PlayBoard& board, int column, int row) {
    Press(board, PixelX(column), PixelY(row));
}

// One level, row 4: pair 0 at columns 1 and 3, pair 1 at columns 2 and 4, column 5 empty.
struct OneLevelBoard : PlayBoard {
    OneLevelBoard() : PlayBoard(2) {
        Put(0, 0, 1, 1, 4);
        Put(1, 0, 1, 2, 4);
        Put(0, 1, 1, 3, 4);
        Put(1, 1, 1, 4, 4);
    }
};

TEST(Pick, FirstPickSelectsTheTopTileAndDrawsItSelected) {
    OneLevelBoard board;
    PressAt(board, 3, 4);
    EXPECT_EQ(board.state.SelectedCol, 3);
    EXPECT_EQ(board.state.SelectedRow, 4);
    EXPECT_EQ(board.host.tiles, (std::vector<Draw>{{1, 3, 4, 1, "b0"}}));
}

TEST(Pick, PressesThatReachNoTileSelectNothing) {
    const struct {
        const char* what;
        int x;
        int y;
    } presses[] = {
        {"left of the grid", 10, PixelY(4)},
        {"below the grid", PixelX(2), 570},
        {"row without cells", PixelX(2), PixelY(1)},
        {"empty position", PixelX(5), PixelY(4)},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.what);
        OneLevelBoard board;
        Press(board, press.x, press.y);
        EXPECT_FALSE(board.state.HasSelection());
        EXPECT_TRUE(board.host.tiles.empty());
        PressAt(board, 2, 4);
        EXPECT_EQ(board.state.SelectedCol, 2);
    }
}

TEST(Pick, PressOnTheSelectedTileDeselectsWithoutCounting) {
    OneLevelBoard board;
    PressAt(board, 2, 4);
    PressAt(board, 2, 4);
    EXPECT_FALSE(board.state.HasSelection());
    EXPECT_EQ(board.host.tiles.back(), (Draw{0, 2, 4, 1, "a1"}));
    EXPECT_EQ(board.state.CorrectCount + board.state.WrongCount, 0);
}

TEST(Pick, MatchRemovesThePairAndUncoversTheTilesBelow) {
    PlayBoard board(3);
    const std::int32_t top = board.Put(0, 1, 1, 2, 4);
    const std::int32_t other = board.Put(0, 0, 2, 3, 3);
    board.Put(1, 0, 2, 2, 4);
    board.Put(1, 1, 2, 5, 5);
    PressAt(board, 2, 4);
    PressAt(board, 3, 3);
    EXPECT_EQ(board.state.CorrectCount, 1);
    EXPECT_EQ(board.state.LastRemovedTextA, "a0");
    EXPECT_EQ(board.state.LastRemovedTextB, "b0");
    EXPECT_EQ(board.state.AssignmentArray[top], NoPair);
    EXPECT_EQ(board.state.AssignmentArray[other], NoPair);
    EXPECT_FALSE(board.state.HasSelection());
    EXPECT_EQ(board.host.invalidations, 1);

    PressAt(board, 2, 4);
    EXPECT_EQ(board.host.tiles.back(), (Draw{1, 2, 4, 2, "a1"}));
}

TEST(Pick, WrongPickIsMarkedUntilReleaseAndKeepsTheSelection) {
    OneLevelBoard board;
    PressAt(board, 1, 4);
    PressAt(board, 2, 4);
    EXPECT_EQ(board.host.wrongMarks, (std::vector<std::pair<int, int>>{{2, 4}}));
    EXPECT_EQ(board.state.WrongCount, 1);
    EXPECT_EQ(board.host.wrongPanelDraws, 1);
    EXPECT_EQ(board.state.WrongMarkCol, 2);
    EXPECT_EQ(board.state.SelectedCol, 1);

    LeftButtonUp(board.state, board.host);
    EXPECT_EQ(board.host.tiles.back(), (Draw{0, 2, 4, 1, "a1"}));
    EXPECT_FALSE(board.state.HasWrongMark());
    const std::size_t draws = board.host.tiles.size();
    LeftButtonUp(board.state, board.host);
    EXPECT_EQ(board.host.tiles.size(), draws);

    PressAt(board, 3, 4);
    EXPECT_EQ(board.state.CorrectCount, 1);
    EXPECT_EQ(board.state.WrongCount, 1);
}

TEST(Pick, SecondPickWithoutATileKeepsTheSelection) {
    for (const auto& [x, y] : {std::pair{PixelX(5), PixelY(4)}, std::pair{911, PixelY(4)},
                               std::pair{PixelX(1), PixelY(2)}}) {
        OneLevelBoard board;
        PressAt(board, 1, 4);
        Press(board, x, y);
        EXPECT_EQ(board.state.SelectedCol, 1);
        EXPECT_EQ(board.state.WrongCount + board.state.CorrectCount, 0);
        EXPECT_TRUE(board.host.wrongMarks.empty());
    }
}

TEST(Pick, EntriesWithEqualWordsAreNoMatch) {
    PlayBoard board(2);
    board.state.WordList = {{"chat", "cat"}, {"chat", "cat"}};
    board.Put(0, 0, 1, 1, 4);
    board.Put(1, 1, 1, 2, 4);
    PressAt(board, 1, 4);
    PressAt(board, 2, 4);
    EXPECT_EQ(board.state.WrongCount, 1);
    EXPECT_EQ(board.state.CorrectCount, 0);
}

TEST(Pick, RemovedWordsAreCutToTheTextLength) {
    PlayBoard board(1);
    board.state.WordList[0] = {std::string(400, 'x'), "short"};
    board.Put(0, 0, 1, 1, 4);
    board.Put(0, 1, 1, 5, 4);
    PressAt(board, 1, 4);
    PressAt(board, 5, 4);
    EXPECT_EQ(board.state.LastRemovedTextA, std::string(MaxTextLength, 'x'));
    EXPECT_EQ(board.state.LastRemovedTextB, "short");
}

TEST(Pick, PressWhileOneLevelIsShownShowsAllLevelsAndPicks) {
    OneLevelBoard board;
    board.state.DisplayedLevel = 1;
    PressAt(board, 4, 4);
    EXPECT_EQ(board.state.DisplayedLevel, 0);
    EXPECT_EQ(board.host.invalidations, 1);
    EXPECT_EQ(board.state.SelectedCol, 4);
    EXPECT_EQ(board.state.MouseDownX, PixelX(4));
}

} // namespace
