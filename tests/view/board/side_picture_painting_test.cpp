#include "board_image.h"

#include "support/temp_dir.h"
#include "view/board/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr QRgb PureRed = qRgb(255, 0, 0);

// Pictures in a folder of their own, found by their name alone; each look-up is counted.
struct PictureFolder {
    TempDir folder;
    std::map<std::string, int> lookUps;

    std::string Add(const std::string& name, QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(PureRed);
        picture.save(QString::fromStdString((folder.path() / name).string()));
        return name;
    }
    MediaFinder Finder() {
        return [this](std::string_view reference, MediaKind, std::string_view) {
            ++lookUps[std::string(reference)];
            const auto path = folder.path() / reference;
            return std::filesystem::exists(path) ? path.string() : std::string();
        };
    }
};

// The tile at column 1, row 1 drawn on an image of `ratio` device pixels a pixel, the painter
// scaled as the zoom scales it; the rectangle of its red pixels, in device pixels.
QRect RedDrawn(const BoardPainter& board, const GameState& state, const std::string& line,
               qreal zoom, qreal ratio = 1) {
    QImage image(QSize(200, 200) * zoom * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Erased);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    painter.translate(0, -state.BoardTop);
    board.DrawTile(painter, state, 0, 1, 1, 1, &line);
    painter.end();
    QRect red;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == PureRed) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    return red;
}

// A picture fills the tile's face as far as its aspect lets it, with room for its words under
// it; the zoom and a dense screen draw it larger, at their own pixels.
TEST(SidePicturePainting, APictureFitsItsTileAtEveryZoomWithItsAspectKept) {
    PictureFolder pictures;
    pictures.Add("square.png", {40, 40});
    pictures.Add("wide.png", {400, 100});
    BoardPainter board;
    board.SetMediaFinder(pictures.Finder());
    const GameState state = DealtGame(4);
    const struct {
        std::string line;
        qreal zoom, ratio;
        QSize drawn; // within a pixel
    } cases[] = {
        {"[image=square.png]", 1, 1, {55, 55}},   {"[image=square.png]", 2, 1, {110, 110}},
        {"[image=square.png]", 1, 2, {110, 110}}, {"[image=square.png] words", 1, 1, {42, 42}},
        {"[image=wide.png]", 1, 1, {162, 40}},    {"[image=wide.png]", 1.5, 2, {486, 121}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line + " at " + std::to_string(c.zoom) + " x " + std::to_string(c.ratio));
        const QSize drawn = RedDrawn(board, state, c.line, c.zoom, c.ratio).size();
        EXPECT_NEAR(drawn.width(), c.drawn.width(), 1);
        EXPECT_NEAR(drawn.height(), c.drawn.height(), 1);
    }
    // Each picture was looked for and read once, whatever the sizes it was shown at.
    EXPECT_EQ(pictures.lookUps, (std::map<std::string, int>{{"square.png", 1}, {"wide.png", 1}}));
    board.Pictures().Forget();
    RedDrawn(board, state, "[image=wide.png]", 1);
    EXPECT_EQ(pictures.lookUps["wide.png"], 2);
}

} // namespace
