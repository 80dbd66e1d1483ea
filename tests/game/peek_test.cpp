#include "game/peek.h"
#include "game/pick.h"
#include "game/play_board.h"

#include <gtest/gtest.h>

namespace {

using Draw = RecordingHost::TileDraw;

void PeekAt(PlayBoard& board, int column, int row) {
    RightButtonDown(board.state, board.host, PixelX(column), PixelY(row));
}

TEST(Peek, ShowsTheHiddenWordAndCountsEveryPeek) {
    PlayBoard board(3);
    board.Put(0, 0, 1, 1, 4);
    board.Put(0, 1, 2, 2, 3);
    PeekAt(board, 1, 4);
    PeekAt(board, 2, 3);
    PeekAt(board, 2, 3);
    EXPECT_EQ(
        board.host.tiles,
        (std::vector<Draw>{{0, 1, 4, 1, "= b0"}, {0, 2, 3, 2, "= a0"}, {0, 2, 3, 2, "= a0"}}));
    EXPECT_EQ(board.state.HintCount, 3);
    EXPECT_EQ(board.host.hintsPanelDraws, 3);
}

TEST(Peek, ReleaseRestoresTheTileUnderThePressInItsSelectionState) {
    PlayBoard board(1);
    board.Put(0, 1, 1, 3, 4);
    LeftButtonDown(board.state, board.host, PixelX(3), PixelY(4));
    PeekAt(board, 3, 4);
    RightButtonUp(board.state, board.host);
    EXPECT_EQ(board.host.tiles,
              (std::vector<Draw>{{1, 3, 4, 1, "b0"}, {1, 3, 4, 1, "= a0"}, {1, 3, 4, 1, "b0"}}));
    EXPECT_EQ(board.state.MouseDownX, 0);
    EXPECT_EQ(board.state.MouseDownY, 0);
}

TEST(Peek, HiddenWordIsCutTo290Bytes) {
    PlayBoard board(1);
    board.state.WordList[0].TextB = std::string(400, 'y');
    board.Put(0, 0, 1, 1, 4);
    PeekAt(board, 1, 4);
    EXPECT_EQ(board.host.tiles.at(0).text, "= " + std::string(290, 'y'));
}

TEST(Peek, PressWithoutATileCostsNothing) {
    PlayBoard board(1);
    board.Put(0, 0, 1, 1, 4);
    for (const auto& [x, y] : {std::pair{5, PixelY(4)}, std::pair{PixelX(2), PixelY(4)}}) {
        RightButtonDown(board.state, board.host, x, y);
        EXPECT_EQ(board.state.MouseDownX, 0);
        RightButtonUp(board.state, board.host);
    }
    EXPECT_EQ(board.state.HintCount, 0);
    EXPECT_TRUE(board.host.tiles.empty());
}

} // namespace
