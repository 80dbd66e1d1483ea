#include "board_image.h"

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "support/recording_host.h"
#include "view/board/board_painter.h"
#include "view/board/board_pixels.h"
#include "view/board/tile_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <random>

namespace {

template <typename Paint> QImage Painted(Paint paint) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    paint(painter);
    return image;
}

QImage Repainted(const BoardPainter& board, const GameState& state) {
    return Painted([&](QPainter& painter) { board.PaintLevels(painter, state); });
}

TEST(TilePainting, OneLevelAloneShowsAllItsTilesAndALevelBeyondNothing) {
    const BoardPainter board;
    GameState state = DealtGame(160); // eleven levels: the faces repeat from level 9
    ASSERT_EQ(state.LevelCount, 11);
    for (std::int32_t level = 1; level <= state.LevelCount + 1; ++level) {
        state.DisplayedLevel = level;
        const QImage image = Repainted(board, state);
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
    const QImage image = Repainted(BoardPainter(), state);
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

    const QImage empty = drawn(0, nullptr);
    EXPECT_EQ(drawn(1, nullptr), empty) << "the same in either state";
    EXPECT_EQ(FaceColour(empty, 3, 2), White);
    EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(0, 30), QSize(1, 5)), Cyan));
    // Brackets along the edges one pixel inside the outline, and the diagonal strokes.
    EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(1, 1), QSize(25, 1)), Blue));
    EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(1, 1), QSize(1, 25)), Blue));
    EXPECT_TRUE(AllOf(empty, QRect(corner + QPoint(176, 39), QSize(1, 25)), Blue));
    EXPECT_EQ(empty.pixel(corner + QPoint(8, 8)), Blue);
    EXPECT_EQ(empty.pixel(corner + QPoint(162, 49)), Blue);
    EXPECT_EQ(empty.pixel(corner + QPoint(27, 1)), White);
    // On a dark desktop the place is the board's dark background, not a white patch.
    const QPalette light = QGuiApplication::palette();
    QGuiApplication::setPalette(QPalette(QColor(40, 40, 40)));
    const QRgb dark = QPalette().color(QPalette::Base).rgb();
    const QImage emptyOnDark = drawn(0, nullptr);
    QGuiApplication::setPalette(light);
    EXPECT_EQ(emptyOnDark.pixel(corner + QPoint(90, 30)), dark);
    EXPECT_EQ(emptyOnDark.pixel(corner + QPoint(8, 8)), Blue);
}

TEST(TilePainting, ASideWithARecordingWearsASpeakerInItsCorner) {
    BoardPainter board;
    board.SetMediaFinder([](std::string_view reference, MediaKind kind, std::string_view) {
        return reference == "hund.ogg" && kind == MediaKind::Sound ? "/lists/hund.ogg" : "";
    });
    const GameState state = DealtGame(5);
    const QRect corner(TileCorner(3, 2) + QPoint(150, 2), QSize(26, 16));
    const auto darkInCorner = [&](const std::string& line) {
        return CountDark(Painted([&](QPainter& p) { board.DrawTile(p, state, 0, 3, 2, 2, &line); }),
                         corner);
    };
    EXPECT_GT(darkInCorner("Hund [sound=hund.ogg]"), darkInCorner("Hund") + 30);
    EXPECT_GT(darkInCorner("[sound=hund.ogg]"), darkInCorner("hund") + 30);
    // A recording that cannot be played is not promised.
    EXPECT_EQ(darkInCorner("Hund [sound=gone.ogg]"), darkInCorner("Hund"));
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

// What a repaint of all levels must look like: every level painted whole, bottom first.
QImage BottomUp(const BoardPainter& board, const GameState& state) {
    return Painted([&](QPainter& painter) {
        for (std::int32_t level = state.LevelCount; level >= 1; --level) {
            board.PaintLevel(painter, state, level);
        }
    });
}

// Words too wide for a tile are wrapped or cut short: none reaches the gaps between the tiles,
// so the top tiles alone show what painting every level would.
TEST(BoardRepaint, SameAsBottomUpAndNoWordReachesPastItsTile) {
    const BoardPainter board;
    const auto overflowing = [](int n) {
        return std::string(70 + n % 5 * 20, 'w') + (n % 2 == 0 ? " " : "") + std::to_string(n);
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
        EXPECT_EQ(overflow, 0);
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

// A cyan outline, a grey line inside it, then a band of three greens at least eight pixels deep
// round the face. Level 1's picture against each other level's: they differ only in the face.
TEST(TilePictures, LevelPicturesShareOneFrame) {
    const QImage& first = LevelPicture(1);
    const std::pair<QPoint, QPoint> edges[] = {
        {{0, 30}, {1, 30}}, {{177, 30}, {176, 30}}, {{90, 0}, {90, 1}}, {{90, 64}, {90, 63}}};
    for (const auto& [outline, line] : edges) {
        EXPECT_EQ(first.pixel(outline), Cyan);
        EXPECT_EQ(first.pixel(line), qRgb(134, 134, 134));
    }
    int band = 0;
    for (const QRgb green : {qRgb(0, 255, 102), qRgb(7, 209, 108), qRgb(204, 255, 204)}) {
        const int count = CountColour(first, QRect(20, 2, 130, 8), green);
        EXPECT_GT(count, 100);
        band += count;
    }
    EXPECT_EQ(band, 130 * 8);
    for (std::int32_t level = 2; level <= 8; ++level) {
        const QImage& other = LevelPicture(level);
        int faceDifferences = 0;
        for (int y = 0; y < TileHeight; ++y) {
            for (int x = 0; x < TileWidth; ++x) {
                if (first.pixel(x, y) != other.pixel(x, y)) {
                    ASSERT_EQ(first.pixel(x, y), LevelFace(1)) << level << " at " << x << "," << y;
                    ASSERT_EQ(other.pixel(x, y), LevelFace(level)) << level;
                    ++faceDifferences;
                }
            }
        }
        EXPECT_GT(faceDifferences, 140 * 30) << level << ": the face fills most of the middle";
    }
}

} // namespace
