#include "board_image.h"

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "support/recording_host.h"
#include "view/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

template <typename Paint> QImage Painted(Paint paint) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    paint(painter);
    return image;
}

TEST(TilePainting, OneLevelAloneShowsAllItsTilesAndALevelBeyondNothing) {
    const BoardPainter board;
    GameState state = DealtGame(160); // eleven levels: the faces repeat from level 9
    ASSERT_EQ(state.LevelCount, 11);
    for (std::int32_t level = 1; level <= state.LevelCount + 1; ++level) {
        state.DisplayedLevel = level;
        const QImage image = Painted([&](QPainter& p) { board.PaintLevels(p, state); });
        if (level > state.LevelCount) {
            EXPECT_EQ(image, ErasedClient());
            continue;
        }
        for (int column = 1; column <= BoardColumns; ++column) {
            for (int row = 1; row <= BoardRows; ++row) {
                const std::int32_t cell = CellIndex(level, column, row);
                const bool filled = cell >= 0 && state.AssignmentArray[cell] != NoPair;
                EXPECT_EQ(FaceColour(image, column, row), filled ? LevelFace(level) : Erased)
                    << "level " << level << " column " << column << " row " << row;
            }
        }
    }
}

TEST(TilePainting, NothingWithoutAWordList) {
    const BoardPainter board;
    GameState state;
    RecordingHost host;
    ASSERT_EQ(AllocateBoard(state, host), 0);
    const std::string word = "house";
    const QImage image = Painted([&](QPainter& painter) {
        board.PaintLevels(painter, state);
        board.DrawTile(painter, state, 0, 1, 4, 1, &word);
        board.DrawTile(painter, state, 0, 2, 4, 1, nullptr);
    });
    EXPECT_EQ(image, ErasedClient());
}

// A top tile whose pair lacks its word is not painted: the tile below shows, its word on the
// box colour as every repainted word.
TEST(TilePainting, RepaintSkipsATileWithoutItsWord) {
    GameState state;
    state.WordList = {{"a", std::nullopt}, {"b", "c"}, {"d", "e"}};
    state.WordsCount = 3;
    RecordingHost host;
    ASSERT_EQ(AllocateBoard(state, host), 0);
    PlaceTile(state, CellIndex(1, 1, 4), 0, 1);
    PlaceTile(state, CellIndex(2, 1, 4), 1, 0);
    const QImage image = Painted([&](QPainter& p) { BoardPainter().PaintLevels(p, state); });
    EXPECT_EQ(FaceColour(image, 1, 4), LevelFace(2));
    const QRect word(TileCorner(1, 4) + QPoint(80, 20), QSize(20, 22));
    EXPECT_GT(CountColour(image, word, WordBox), 0);
    EXPECT_EQ(CountColour(image, word, White), 0);
}

// An immediate draw: the level's picture with the word on white, the selected picture, or
// without text the empty place.
TEST(TilePainting, DrawTileShowsTheTilesPictureOrTheEmptyPlace) {
    const BoardPainter board;
    const GameState state = DealtGame(5);
    const std::string word = "house";
    const auto drawn = [&](int tileState, const std::string* text) {
        return Painted([&](QPainter& p) { board.DrawTile(p, state, tileState, 3, 2, 2, text); });
    };
    const QPoint corner = TileCorner(3, 2);
    const QRect wordBand(corner + QPoint(70, 20), QSize(40, 22));

    const QImage normal = drawn(0, &word);
    EXPECT_EQ(FaceColour(normal, 3, 2), LevelFace(2));
    EXPECT_GT(CountColour(normal, wordBand, White), 0);
    EXPECT_EQ(CountColour(normal, wordBand, WordBox), 0);

    const QImage selected = drawn(1, &word);
    EXPECT_EQ(FaceColour(selected, 3, 2), White);
    EXPECT_GT(CountColour(selected, QRect(corner + QPoint(20, 2), QSize(130, 8)), Yellow), 50);

    for (const int tileState : {0, 1}) {
        const QImage empty = drawn(tileState, nullptr);
        EXPECT_EQ(FaceColour(empty, 3, 2), White);
        EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(0, 30), QSize(1, 5)), Cyan));
        // Brackets along the edges one pixel inside the outline, and the diagonal strokes.
        EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(1, 1), QSize(25, 1)), Blue));
        EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(1, 1), QSize(1, 25)), Blue));
        EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(176, 39), QSize(1, 25)), Blue));
        EXPECT_EQ(empty.pixel(corner + QPoint(8, 8)), Blue);
        EXPECT_EQ(empty.pixel(corner + QPoint(162, 49)), Blue);
        EXPECT_EQ(empty.pixel(corner + QPoint(27, 1)), White);
    }
}

TEST(TilePainting, WrongMarkIsRedOnItsBoxAtItsPlace) {
    const BoardPainter board;
    const GameState state = DealtGame(30);
    const auto marked = [&](int column, int row) {
        return Painted([&](QPainter& p) { board.DrawWrongMark(p, state, column, row); });
    };
    const QImage image = marked(2, 3);
    const QPoint corner = TileCorner(2, 3) + QPoint(53, 2);
    EXPECT_EQ(image.pixel(corner), WordBox);
    EXPECT_EQ(image.pixel(corner - QPoint(1, 1)), Erased);
    EXPECT_GT(CountColour(image, QRect(corner, QSize(60, 60)), Red), 50);
    for (const auto& [column, row] :
         std::initializer_list<std::pair<int, int>>{{0, 3}, {6, 3}, {2, 0}, {2, 8}}) {
        EXPECT_EQ(marked(column, row), ErasedClient()) << column << ", " << row;
    }
}

} // namespace
