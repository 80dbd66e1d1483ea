#pragma once

#include <QColor>
#include <QImage>

#include <map>
#include <ostream>

// Tiles are 178 x 65 pixels at a pitch of 180 across and 67 down, from (10, BoardTop).
inline QPoint TileCorner(int column, int row, int boardTop = 100) {
    return {10 + 180 * (column - 1), boardTop + 67 * (row - 1)};
}

// The colour most of a tile's face shows, sampled below its word and inside its border band,
// so that a speck or a letter does not decide.
inline QColor FaceColour(const QImage& image, int column, int row) {
    const QPoint corner = TileCorner(column, row);
    std::map<QRgb, int> counts;
    for (int x = 25; x <= 155; x += 10) {
        for (int y = 46; y <= 50; y += 2) {
            ++counts[image.pixel(corner + QPoint(x, y))];
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return QColor(most->first);
}

// Face colours of the level pictures, by level number modulo 8.
inline QColor LevelFace(int level) {
    static const QColor faces[8] = {{134, 134, 134}, {51, 204, 255},  {204, 236, 255},
                                    {102, 204, 204}, {204, 255, 153}, {239, 214, 198},
                                    {204, 255, 204}, {192, 192, 192}};
    return faces[level % 8];
}

inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << "(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}
