#include "view/board/tile_pictures.h"

#include "view/board/board_pixels.h"

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <vector>

namespace {

constexpr QRgb Cyan = qRgb(0, 255, 255);
constexpr QRgb Grey = qRgb(134, 134, 134);
constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr std::array<QRgb, 3> Greens = {qRgb(0, 255, 102), qRgb(7, 209, 108), qRgb(204, 255, 204)};
constexpr std::array<QRgb, 4> GreensAndYellow = {Greens[0], Greens[1], Greens[2], Yellow};

// Indexed by level modulo 8.
constexpr std::array<QRgb, 8> LevelFaces = {
    qRgb(134, 134, 134), qRgb(51, 204, 255),  qRgb(204, 236, 255), qRgb(102, 204, 204),
    qRgb(204, 255, 153), qRgb(239, 214, 198), qRgb(204, 255, 204), qRgb(192, 192, 192)};

// Every picture starts from the same seed, so the eight level pictures share one frame.
constexpr std::minstd_rand::result_type SpeckleSeed = 130;
constexpr int BandStart = 2; // inside the cyan and the grey line
constexpr int NarrowestBand = 8;
constexpr int WidestBand = 12;
constexpr int FilletRadius = 4;
constexpr int SpeckCount = 14;

int Draw(std::minstd_rand& random, int count) {
    return static_cast<int>(random() % static_cast<unsigned>(count));
}

// A band width for every step along an edge, wandering by at most a pixel at a time.
std::vector<int> RaggedEdge(std::minstd_rand& random, int length) {
    std::vector<int> widths(static_cast<std::size_t>(length));
    int width = NarrowestBand + Draw(random, WidestBand - NarrowestBand + 1);
    for (int& each : widths) {
        width = std::clamp(width + Draw(random, 3) - 1, NarrowestBand, WidestBand);
        each = width;
    }
    return widths;
}

struct Band {
    std::vector<int> top, bottom, left, right;

    bool Covers(int x, int y) const {
        const auto column = static_cast<std::size_t>(x);
        const auto row = static_cast<std::size_t>(y);
        return y < BandStart + top[column] || TileHeight - 1 - y < BandStart + bottom[column] ||
               x < BandStart + left[row] || TileWidth - 1 - x < BandStart + right[row];
    }
};

// Grey fills the outer corner of each quarter circle, rounding the inside of the grey line.
bool InCornerFillet(int x, int y) {
    const int dx = std::min(x, TileWidth - 1 - x);
    const int dy = std::min(y, TileHeight - 1 - y);
    if (dx > FilletRadius || dy > FilletRadius) {
        return false;
    }
    const int ox = FilletRadius + 1 - dx;
    const int oy = FilletRadius + 1 - dy;
    return ox * ox + oy * oy > FilletRadius * FilletRadius;
}

QImage FramedTile(QRgb face, std::span<const QRgb> speckles) {
    std::minstd_rand random(SpeckleSeed);
    const Band band{RaggedEdge(random, TileWidth), RaggedEdge(random, TileWidth),
                    RaggedEdge(random, TileHeight), RaggedEdge(random, TileHeight)};
    const auto speckle = [&] {
        return speckles[static_cast<std::size_t>(Draw(random, static_cast<int>(speckles.size())))];
    };

    QImage picture(TileWidth, TileHeight, QImage::Format_RGB32);
    for (int y = 0; y < TileHeight; ++y) {
        for (int x = 0; x < TileWidth; ++x) {
            const bool outerLine = x == 0 || y == 0 || x == TileWidth - 1 || y == TileHeight - 1;
            const bool greyLine = x == 1 || y == 1 || x == TileWidth - 2 || y == TileHeight - 2;
            QRgb colour = face;
            if (outerLine) {
                colour = Cyan;
            } else if (greyLine || InCornerFillet(x, y)) {
                colour = Grey;
            } else if (band.Covers(x, y)) {
                colour = speckle();
            }
            picture.setPixel(x, y, colour);
        }
    }
    // A few specks come loose just inside the ragged edge, at the top and the bottom.
    for (int i = 0; i < SpeckCount; ++i) {
        const int x = WidestBand + 4 + Draw(random, TileWidth - 2 * (WidestBand + 4));
        const auto column = static_cast<std::size_t>(x);
        const int y = i % 2 == 0 ? BandStart + band.top[column] + 1
                                 : TileHeight - 2 - BandStart - band.bottom[column];
        picture.setPixel(x, y, Greens[static_cast<std::size_t>(i) % Greens.size()]);
    }
    const int fleckX = TileWidth / 2 - 20;
    const int fleckY = TileHeight / 2 - 2;
    picture.setPixel(fleckX, fleckY, Yellow);
    picture.setPixel(fleckX + 1, fleckY, Yellow);
    return picture;
}

constexpr int BracketLength = 25;
constexpr int StrokeLength = 15;

QImage EmptyPlace() {
    QImage picture(TileWidth, TileHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (int x = 0; x < TileWidth; ++x) {
        picture.setPixel(x, 0, Cyan);
        picture.setPixel(x, TileHeight - 1, Cyan);
    }
    for (int y = 0; y < TileHeight; ++y) {
        picture.setPixel(0, y, Cyan);
        picture.setPixel(TileWidth - 1, y, Cyan);
    }
    // Each corner, seen from inside the outline: (x, y) and the directions into the tile.
    struct Corner {
        int x, y, dx, dy;
    };
    const std::array<Corner, 4> corners = {Corner{1, 1, 1, 1}, Corner{TileWidth - 2, 1, -1, 1},
                                           Corner{1, TileHeight - 2, 1, -1},
                                           Corner{TileWidth - 2, TileHeight - 2, -1, -1}};
    for (const Corner& corner : corners) {
        for (int i = 0; i < BracketLength; ++i) {
            picture.setPixel(corner.x + corner.dx * i, corner.y, Blue);
            picture.setPixel(corner.x, corner.y + corner.dy * i, Blue);
        }
        for (int i = 0; i < StrokeLength; ++i) {
            picture.setPixel(corner.x + corner.dx * i, corner.y + corner.dy * i, Blue);
        }
    }
    return picture;
}

struct Pictures {
    std::array<QImage, 8> levels;
    QImage selected;
    QImage emptyPlace;
};

const Pictures& AllPictures() {
    static const Pictures pictures = [] {
        Pictures made;
        for (std::size_t i = 0; i < LevelFaces.size(); ++i) {
            made.levels[i] = FramedTile(LevelFaces[i], Greens);
        }
        made.selected = FramedTile(White, GreensAndYellow);
        made.emptyPlace = EmptyPlace();
        return made;
    }();
    return pictures;
}

} // namespace

const QImage& LevelPicture(std::int32_t level) {
    const std::int32_t slot = (level % 8 + 8) % 8;
    return AllPictures().levels[static_cast<std::size_t>(slot)];
}

const QImage& SelectedPicture() {
    return AllPictures().selected;
}

const QImage& EmptyPlacePicture() {
    return AllPictures().emptyPlace;
}
