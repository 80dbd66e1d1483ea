#include "board_image.h"

#include "view/board/board_painter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <map>
#include <string_view>

namespace {

// Edge colours that no picture uses, so each line's origin shows.
constexpr QRgb Light = qRgb(250, 1, 1);
constexpr QRgb Midlight = qRgb(200, 2, 2);
constexpr QRgb Dark = qRgb(100, 3, 3);
constexpr QRgb Shadow = qRgb(50, 4, 4);

// Checks the pixels along a line from `from`, a letter each: E erased, B black, W white, Y yellow,
// R red, and the edge colours L light, M midlight, D dark, S shadow.
void ExpectLine(const QImage& image, QPoint from, QPoint step, std::string_view colours) {
    const std::map<char, QRgb> named{{'E', Erased},   {'B', Black}, {'W', White},
                                     {'Y', Yellow},   {'R', Red},   {'L', Light},
                                     {'M', Midlight}, {'D', Dark},  {'S', Shadow}};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const QPoint at = from + step * static_cast<int>(i);
        EXPECT_EQ(image.pixel(at), named.at(colours[i])) << at.x() << ", " << at.y();
    }
}

// Ten rings, each a raised outer line and a sunken inner one, each ring's outer line over the
// inner line of the ring before; ring 0 drawn again last. Mitres: black from the top-left
// corner, white from just outside the bottom-right one.
void ExpectPlain(const QImage& image, QPoint tile) {
    ExpectLine(image, tile + QPoint(4, 30), {1, 0}, "EMDMMMMMMMMDE");
    ExpectLine(image, tile + QPoint(161, 30), {1, 0}, "ELSSSSSSSSLS");
    ExpectLine(image, tile + QPoint(5, 5), {1, 1}, "BBBBBBBBBB");
    ExpectLine(image, tile + QPoint(173, 60), {-1, -1}, "WWWWWWWWWW");
}

// Black outlines round yellow top and left sides and red right and bottom ones.
void ExpectSelected(const QImage& image, QPoint tile) {
    ExpectLine(image, tile + QPoint(5, 30), {1, 0}, "BYYYYYYYYB");
    ExpectLine(image, tile + QPoint(165, 30), {1, 0}, "RRRRRRRR");
    ExpectLine(image, tile + QPoint(80, 6), {0, 1}, "YYYYYYYY");
    ExpectLine(image, tile + QPoint(80, 52), {0, 1}, "RRRRRRRR");
    ExpectLine(image, tile + QPoint(9, 9), {160, 0}, "BB");
    ExpectLine(image, tile + QPoint(20, 30), {1, 0}, "E");
}

class HintFrames : public testing::Test {
protected:
    void SetUp() override {
        QPalette palette = saved_;
        palette.setColor(QPalette::Light, Light);
        palette.setColor(QPalette::Midlight, Midlight);
        palette.setColor(QPalette::Dark, Dark);
        palette.setColor(QPalette::Shadow, Shadow);
        QGuiApplication::setPalette(palette);
        // Hinted: (1, 4) and (3, 2), one-based.
        state_.HintCol1 = 0;
        state_.HintRow1 = 3;
        state_.HintCol2 = 2;
        state_.HintRow2 = 1;
    }
    void TearDown() override { QGuiApplication::setPalette(saved_); }

    QImage Highlighted(bool considerSelection) const {
        QImage image = ErasedClient();
        QPainter painter(&image);
        BoardPainter().DrawHintHighlight(painter, state_, considerSelection);
        return image;
    }

    GameState state_;
    const QPalette saved_ = QGuiApplication::palette();
};

// Only a selected hinted tile, when the selection is considered, gets the selected form.
TEST_F(HintFrames, PlainOrSelectedForm) {
    for (const auto& [select, consider] :
         std::initializer_list<std::pair<bool, bool>>{{true, false}, {true, true}, {false, true}}) {
        SCOPED_TRACE(testing::Message() << "selected " << select << ", considered " << consider);
        state_.SelectedCol = select ? 3 : 0;
        state_.SelectedRow = select ? 2 : 0;
        const QImage image = Highlighted(consider);
        ExpectPlain(image, TileCorner(1, 4));
        (select && consider ? ExpectSelected : ExpectPlain)(image, TileCorner(3, 2));
    }
}

TEST_F(HintFrames, HintsOffTheBoardGetNoFrame) {
    state_.HintCol1 = -1;
    state_.HintRow2 = 7;
    EXPECT_EQ(Highlighted(false), ErasedClient());
    state_.HintCol1 = 2147483647;
    EXPECT_EQ(Highlighted(true), ErasedClient());
}

} // namespace
