#include "board_image.h"

#include "view/board_pixels.h"
#include "view/tile_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<QRgb, 3> Greens = {qRgb(0, 255, 102), qRgb(7, 209, 108), qRgb(204, 255, 204)};
constexpr QRgb Grey = qRgb(134, 134, 134);

// Level 1's picture against each other level's: they may differ only where each shows its face.
TEST(TilePictures, LevelPicturesShareOneFrame) {
    const QImage& first = LevelPicture(1);
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
        // The face fills most of the middle.
        EXPECT_GT(faceDifferences, 140 * 30) << level;
    }
}

TEST(TilePictures, CyanOutlineGreyLineAndSpeckledGreenBand) {
    const QImage& picture = LevelPicture(3);
    for (const QPoint outline : {QPoint(0, 30), QPoint(177, 30), QPoint(90, 0), QPoint(90, 64)}) {
        EXPECT_EQ(picture.pixel(outline), Cyan);
    }
    for (const QPoint line : {QPoint(1, 30), QPoint(176, 30), QPoint(90, 1), QPoint(90, 63)}) {
        EXPECT_EQ(picture.pixel(line), Grey);
    }
    EXPECT_EQ(picture.pixel(2, 2), Grey) << "corner fillet";
    // The band is at least eight pixels deep all round; every green shows in it.
    std::array<int, 3> greens{};
    for (int y = 2; y < 10; ++y) {
        for (int x = 20; x < 150; ++x) {
            const auto found = std::find(Greens.begin(), Greens.end(), picture.pixel(x, y));
            ASSERT_NE(found, Greens.end()) << x << "," << y;
            ++greens[static_cast<std::size_t>(found - Greens.begin())];
        }
    }
    for (const int count : greens) {
        EXPECT_GT(count, 100);
    }
}

} // namespace
