#include "board_image.h"

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

// Words wider than a tile even at the smallest height run onto the neighbours; covered ones
// still show in the gaps and past the board's edges.
TEST(BoardRepaint, SameAsBottomUpWhenWordsOverflow) {
    const BoardPainter board;
    const auto overflowing = [](int n) {
        return std::string(70 + n % 5 * 20, 'w') + std::to_string(n);
    };
    for (const int pairs : {12, 60, 200}) {
        SCOPED_TRACE(pairs);
        std::vector<WordPair> list;
        for (int n = 0; n < pairs; ++n) {
            const std::string a = n % 3 == 0 ? overflowing(n) : "a" + std::to_string(n);
            const std::string b = n % 4 == 0 ? overflowing(n + 1) : "b" + std::to_string(n);
            list.push_back({a, b});
        }
        list.push_back({"lonely", std::nullopt});
        GameState state = DealtGame(std::move(list));
        const QImage reference = BottomUp(board, state);
        int overflow = 0; // in the gaps between the columns
        for (int column = 1; column < 5; ++column) {
            overflow += CountColour(
                reference, QRect(TileCorner(column, 1) + QPoint(178, 0), QSize(2, 469)), WordBox);
        }
        EXPECT_GT(overflow, 0);
        EXPECT_EQ(Repainted(board, state), reference);

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
