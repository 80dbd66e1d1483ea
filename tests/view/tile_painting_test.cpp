#include "board_image.h"

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "support/recording_host.h"
#include "view/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>

namespace {

template <typename Paint> QImage Painted(Paint paint) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    paint(painter);
    return image;
}

QImage PaintedLevels(const BoardPainter& board, const GameState& state) {
    return Painted([&](QPainter& painter) { board.PaintLevels(painter, state); });
}

TEST(TilePainting, EveryPositionShowsItsTopTilesFace) {
    const BoardPainter board;
    const GameState state = DealtGame(30);
    const QImage image = PaintedLevels(board, state);
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            const std::int32_t level = TopLevelAt(state, column, row);
            SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
            EXPECT_TRUE(AllOf(image, FacePatch(column, row), level ? LevelFace(level) : Erased));
        }
    }
}

TEST(TilePainting, OneLevelAloneShowsAllItsTilesEvenCoveredOnes) {
    const BoardPainter board;
    GameState state = DealtGame(160); // eleven levels: the faces repeat from level 9
    ASSERT_EQ(state.LevelCount, 11);
    for (std::int32_t level = 1; level <= state.LevelCount; ++level) {
        state.DisplayedLevel = level;
        const QImage image = PaintedLevels(board, state);
        for (int column = 1; column <= BoardColumns; ++column) {
            for (int row = 1; row <= BoardRows; ++row) {
                const std::int32_t cell = CellIndex(level, column, row);
                const bool filled = cell >= 0 && state.AssignmentArray[cell] != NoPair;
                SCOPED_TRACE(testing::Message()
                             << "level " << level << " column " << column << " row " << row);
                EXPECT_TRUE(
                    AllOf(image, FacePatch(column, row), filled ? LevelFace(level) : Erased));
            }
        }
    }
}

TEST(TilePainting, LevelsOutsideTheBoardPaintNothing) {
    const BoardPainter board;
    GameState state = DealtGame(30);
    const QImage erased = ErasedClient();
    for (const int level : {0, -3, state.LevelCount + 1, 1000000}) {
        SCOPED_TRACE(level);
        EXPECT_EQ(Painted([&](QPainter& p) { board.PaintLevel(p, state, level); }), erased);
    }
    state.DisplayedLevel = state.LevelCount + 1;
    EXPECT_EQ(PaintedLevels(board, state), erased);
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

TEST(TilePainting, CellWhosePairLacksItsWordIsSkipped) {
    const BoardPainter board;
    GameState state;
    state.WordList = {{"a", std::nullopt}, {"b", "c"}, {"d", "e"}};
    state.WordsCount = 3;
    RecordingHost host;
    ASSERT_EQ(AllocateBoard(state, host), 0);
    PlaceTile(state, CellIndex(1, 1, 4), 0, 1);
    PlaceTile(state, CellIndex(2, 1, 4), 1, 0);
    const QImage image = PaintedLevels(board, state);
    EXPECT_TRUE(AllOf(image, FacePatch(1, 4), LevelFace(2)));
}

TEST(TilePainting, SelectedPictureHasAWhiteFaceAndYellowSpeckles) {
    const BoardPainter board;
    const GameState state = DealtGame(5);
    const std::string word = "house";
    const QImage image = Painted([&](QPainter& p) { board.DrawTile(p, state, 1, 3, 2, 2, &word); });
    EXPECT_TRUE(AllOf(image, FacePatch(3, 2), White));
    EXPECT_GT(CountColour(image, QRect(370 + 20, 167 + 2, 130, 8), Yellow), 50);
}

TEST(TilePainting, NoTextDrawsTheEmptyPlaceInEitherState) {
    const BoardPainter board;
    const GameState state = DealtGame(5);
    for (const int tileState : {0, 1}) {
        const QImage image =
            Painted([&](QPainter& p) { board.DrawTile(p, state, tileState, 5, 7, 3, nullptr); });
        const int left = 730;
        const int top = 502;
        EXPECT_TRUE(AllOf(image, FacePatch(5, 7), White));
        EXPECT_TRUE(AllOf(image, QRect(left, top + 30, 1, 5), Cyan));
        // Brackets along the edges one pixel inside the outline, and the diagonal strokes.
        EXPECT_TRUE(AllOf(image, QRect(left + 1, top + 1, 25, 1), Blue));
        EXPECT_TRUE(AllOf(image, QRect(left + 1, top + 1, 1, 25), Blue));
        EXPECT_TRUE(AllOf(image, QRect(left + 176, top + 39, 1, 25), Blue));
        EXPECT_EQ(image.pixel(left + 8, top + 8), Blue);
        EXPECT_EQ(image.pixel(left + 176 - 14, top + 63 - 14), Blue);
        EXPECT_EQ(image.pixel(left + 27, top + 1), White);
    }
}

TEST(TilePainting, RepaintedWordsSitOnTheirBoxColourAndImmediateOnesOnWhite) {
    const BoardPainter board;
    const GameState state = DealtGame(2); // one level: four of the five places of row 4
    const int column = TopCellAt(state, 1, 4) >= 0 ? 1 : 2;
    const std::int32_t cell = TopCellAt(state, column, 4);
    const int left = 10 + 180 * (column - 1);
    const QRect wordBand(left + 80, 301 + 20, 20, 22);
    const QImage repainted = PaintedLevels(board, state);
    EXPECT_GT(CountColour(repainted, wordBand, WordBox), 0);
    EXPECT_EQ(CountColour(repainted, wordBand, White), 0);
    const QImage drawn = Painted(
        [&](QPainter& p) { board.DrawTile(p, state, 0, column, 4, 1, WordShownAt(state, cell)); });
    EXPECT_GT(CountColour(drawn, wordBand, White), 0);
    EXPECT_EQ(CountColour(drawn, wordBand, WordBox), 0);
    EXPECT_TRUE(AllOf(drawn, FacePatch(column, 4), LevelFace(1)));
}

TEST(TilePainting, WrongMarkIsRedOnItsBoxAtItsPlace) {
    const BoardPainter board;
    const GameState state = DealtGame(30);
    const QImage image = Painted([&](QPainter& p) { board.DrawWrongMark(p, state, 2, 3); });
    const QPoint corner(180 * 2 - 117, 100 + 67 * 3 - 65);
    EXPECT_EQ(image.pixel(corner), WordBox);
    EXPECT_EQ(image.pixel(corner - QPoint(1, 1)), Erased);
    EXPECT_GT(CountColour(image, QRect(corner, QSize(60, 60)), Red), 50);
    const std::array<std::pair<int, int>, 4> outside = {{{0, 3}, {6, 3}, {2, 0}, {2, 8}}};
    for (const auto& [column, row] : outside) {
        EXPECT_EQ(Painted([&](QPainter& p) { board.DrawWrongMark(p, state, column, row); }),
                  ErasedClient());
    }
}

} // namespace
