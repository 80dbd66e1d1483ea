#include "board_image.h"

#include "view/board_pixels.h"
#include "view/tile_pictures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

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

// A cyan outline, a grey line inside it, then a band of three greens at least eight pixels deep.
TEST(TilePictures, CyanOutlineGreyLineAndSpeckledGreenBand) {
    const QImage& picture = LevelPicture(3);
    const std::pair<QPoint, QPoint> edges[] = {
        {{0, 30}, {1, 30}}, {{177, 30}, {176, 30}}, {{90, 0}, {90, 1}}, {{90, 64}, {90, 63}}};
    for (const auto& [outline, line] : edges) {
        EXPECT_EQ(picture.pixel(outline), Cyan);
        EXPECT_EQ(picture.pixel(line), qRgb(134, 134, 134));
    }
    constexpr std::array<QRgb, 3> greens = {qRgb(0, 255, 102), qRgb(7, 209, 108),
                                            qRgb(204, 255, 204)};
    int band = 0;
    for (const QRgb green : greens) {
        const int count = CountColour(picture, QRect(20, 2, 130, 8), green);
        EXPECT_GT(count, 100);
        band += count;
    }
    EXPECT_EQ(band, 130 * 8);
}

} // namespace
