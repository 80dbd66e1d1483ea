#include "board_image.h"

#include "view/board_painter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

// Edge colours that no picture uses, so each line's origin shows.
class HintFrames : public testing::Test {
protected:
    void SetUp() override {
        saved_ = QGuiApplication::palette();
        QPalette palette = saved_;
        palette.setColor(QPalette::Light, QColor(250, 1, 1));
        palette.setColor(QPalette::Midlight, QColor(200, 2, 2));
        palette.setColor(QPalette::Dark, QColor(100, 3, 3));
        palette.setColor(QPalette::Shadow, QColor(50, 4, 4));
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

    static void ExpectPlain(const QImage& image, QPoint tile) {
        const QPalette palette;
        const auto at = [&](int dx, int dy) { return image.pixel(tile + QPoint(dx, dy)); };
        const QRgb midlight = palette.color(QPalette::Midlight).rgb();
        const QRgb dark = palette.color(QPalette::Dark).rgb();
        const QRgb light = palette.color(QPalette::Light).rgb();
        const QRgb shadow = palette.color(QPalette::Shadow).rgb();
        // Left side: each ring's raised outer line, ring 0's inner line drawn again over ring 1,
        // and the innermost ring's sunken inner line.
        EXPECT_EQ(at(5, 30), midlight);
        EXPECT_EQ(at(6, 30), dark);
        EXPECT_EQ(at(7, 30), midlight);
        EXPECT_EQ(at(14, 30), midlight);
        EXPECT_EQ(at(15, 30), dark);
        EXPECT_EQ(at(16, 30), Erased);
        // Right side, mirrored.
        EXPECT_EQ(at(172, 30), shadow);
        EXPECT_EQ(at(171, 30), light);
        EXPECT_EQ(at(170, 30), shadow);
        EXPECT_EQ(at(163, 30), shadow);
        EXPECT_EQ(at(162, 30), light);
        EXPECT_EQ(at(161, 30), Erased);
        // Mitres: black from the top-left corner, white from just outside the bottom-right one.
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(at(5 + i, 5 + i), Black) << i;
            EXPECT_EQ(at(173 - i, 60 - i), White) << i;
        }
        EXPECT_EQ(at(4, 30), Erased);
    }

    static void ExpectSelected(const QImage& image, QPoint tile) {
        const auto at = [&](int dx, int dy) { return image.pixel(tile + QPoint(dx, dy)); };
        EXPECT_EQ(at(5, 30), Black);
        EXPECT_EQ(at(14, 30), Black);
        for (int i = 1; i < 9; ++i) {
            EXPECT_EQ(at(5 + i, 30), Yellow) << i;
            EXPECT_EQ(at(80, 5 + i), Yellow) << i;
            EXPECT_EQ(at(173 - i, 30), Red) << i;
            EXPECT_EQ(at(80, 60 - i), Red) << i;
        }
        EXPECT_EQ(at(5 + 4, 5 + 4), Black);
        EXPECT_EQ(at(173 - 4, 5 + 4), Black);
        EXPECT_EQ(at(20, 30), Erased);
    }

    GameState state_;
    QPalette saved_;
};

const QPoint First(10, 301);
const QPoint Second(370, 167);

TEST_F(HintFrames, PlainFormOnBothTilesEvenWhenOneIsSelected) {
    state_.SelectedCol = 3;
    state_.SelectedRow = 2;
    const QImage image = Highlighted(false);
    ExpectPlain(image, First);
    ExpectPlain(image, Second);
}

TEST_F(HintFrames, SelectedTileGetsTheYellowAndRedForm) {
    state_.SelectedCol = 3;
    state_.SelectedRow = 2;
    const QImage image = Highlighted(true);
    ExpectPlain(image, First);
    ExpectSelected(image, Second);
}

TEST_F(HintFrames, WithoutASelectionBothStayPlain) {
    const QImage image = Highlighted(true);
    ExpectPlain(image, First);
    ExpectPlain(image, Second);
}

TEST_F(HintFrames, HintsOffTheBoardGetNoFrame) {
    state_.HintCol1 = -1;
    state_.HintRow2 = 7;
    EXPECT_EQ(Highlighted(false), ErasedClient());
    state_.HintCol1 = 2147483647;
    EXPECT_EQ(Highlighted(true), ErasedClient());
}

} // namespace
