#include "board_image.h"

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "support/recording_host.h"
#include "view/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

// What a repaint of all levels must look like: every level painted whole, bottom first.
QImage BottomUp(const BoardPainter& board, const GameState& state) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    for (std::int32_t level = state.LevelCount; level >= 1; --level) {
        board.PaintLevel(painter, state, level);
    }
    return image;
}

QImage Repainted(const BoardPainter& board, const GameState& state) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    board.PaintLevels(painter, state);
    return image;
}

// Words wider than a tile even at the smallest height, so they run onto the neighbours.
std::string Overflowing(int n) {
    return std::string(70 + n % 5 * 20, 'w') + std::to_string(n);
}

TEST(BoardRepaint, CoveredLongWordsStillShowPastTheTopTile) {
    const BoardPainter board;
    GameState state;
    state.WordList = {{"top", "x"}, {Overflowing(0), "y"}, {"right", "z"}};
    state.WordsCount = 3;
    RecordingHost host;
    ASSERT_EQ(AllocateBoard(state, host), 0);
    PlaceTile(state, CellIndex(1, 1, 4), 0, 0);
    PlaceTile(state, CellIndex(2, 1, 4), 1, 0);
    PlaceTile(state, CellIndex(1, 2, 4), 2, 0);
    const QImage reference = BottomUp(board, state);
    // The level-2 word shows left of the board and in the gap, not over the tiles above.
    EXPECT_GT(CountColour(reference, QRect(0, 301 + 20, 10, 6), WordBox), 0);
    EXPECT_GT(CountColour(reference, QRect(188, 301 + 20, 2, 6), WordBox), 0);
    EXPECT_EQ(Repainted(board, state), reference);
}

TEST(BoardRepaint, SameAsBottomUpOnDealtBoards) {
    const BoardPainter board;
    for (const int pairs : {12, 60, 200}) {
        SCOPED_TRACE(pairs);
        std::vector<WordPair> list;
        for (int n = 0; n < pairs; ++n) {
            const std::string a = n % 3 == 0 ? Overflowing(n) : "a" + std::to_string(n);
            const std::string b = n % 4 == 0 ? Overflowing(n + 1) : "b" + std::to_string(n);
            list.push_back({a, b});
        }
        list.push_back({"lonely", std::nullopt});
        GameState state = DealtGame(std::move(list));
        EXPECT_EQ(Repainted(board, state), BottomUp(board, state));

        // Play empties cells here and there, uncovering lower tiles.
        std::minstd_rand random(static_cast<std::minstd_rand::result_type>(pairs));
        for (std::int32_t& pair : state.AssignmentArray) {
            if (random() % 3 == 0) {
                pair = NoPair;
            }
        }
        EXPECT_EQ(Repainted(board, state), BottomUp(board, state));
    }
}

} // namespace
