#include "board_image.h"

#include "view/board/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage PaintedPanels(const GameState& state) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    BoardPainter().DrawPanels(painter, state);
    return image;
}

TEST(CounterPanels, EllipsesAreFilledOutlinedAndLabelled) {
    const QImage image = PaintedPanels(GameState());
    for (const CounterPanel& panel : CounterPanels) {
        SCOPED_TRACE(panel.name);
        const QRect& e = panel.ellipse;
        const int middle = e.center().y();
        EXPECT_TRUE(AllOf(image, QRect(e.left() + 10, middle - 5, 10, 10), panel.fill));
        EXPECT_EQ(image.pixel(e.left(), middle), Black);
        EXPECT_EQ(image.pixel(e.right(), middle), Black);
        EXPECT_EQ(image.pixel(e.left() - 1, middle), Erased);
        EXPECT_EQ(image.pixel(e.right() + 1, middle), Erased);
        EXPECT_EQ(image.pixel(e.center().x(), e.top() - 1), Erased);
        EXPECT_EQ(image.pixel(e.center().x(), e.bottom() + 1), Erased);
        EXPECT_GT(CountDark(image, QRect(e.center().x() - 40, 15, 80, 24)), 20) << "label";
    }
}

// Numbers of one digit, and negative ones, start at their panel's place. Each further digit, up
// to four, moves the number ten pixels left: numbers with the same first digit start exactly
// that far apart.
TEST(CounterPanels, NumbersMoveLeftOneStepPerDigit) {
    const std::pair<std::int32_t, int> extraDigits[] = {{10, 1},  {19, 1},   {100, 2},
                                                        {199, 2}, {1000, 3}, {12345, 3}};
    for (const CounterPanel& panel : CounterPanels) {
        const auto start = [&panel](std::int32_t value) {
            GameState state;
            state.*panel.counter = value;
            return NumberStart(PaintedPanels(state), panel);
        };
        for (const std::int32_t value : {0, 1, 7, -5}) {
            SCOPED_TRACE(testing::Message() << panel.name << " " << value);
            EXPECT_GE(start(value), panel.oneDigitX);
            EXPECT_LT(start(value), panel.oneDigitX + 10);
        }
        const int oneDigit = start(1);
        for (const auto& [value, extra] : extraDigits) {
            EXPECT_EQ(start(value) - oneDigit, -10 * extra) << panel.name << " " << value;
        }
    }
}

TEST(RemovedTilesPanel, FramedBoxWithTheLastRemovedWords) {
    GameState state;
    EXPECT_TRUE(AllOf(PaintedPanels(state), QRect(681, 30, 228, 59), WordBox)) << "no words yet";
    state.LastRemovedTextA = "house";
    state.LastRemovedTextB = "maison";
    const QImage image = PaintedPanels(state);
    EXPECT_TRUE(AllOf(image, QRect(681, 2, 40, 27), WordBox));
    EXPECT_TRUE(AllOf(image, QRect(681, 90, 228, 1), WordBox)) << "below the frame";
    for (const QRect& line : {QRect(680, 1, 230, 1), QRect(680, 29, 230, 1), QRect(680, 89, 230, 1),
                              QRect(680, 1, 1, 89), QRect(909, 1, 1, 89)}) {
        EXPECT_TRUE(AllOf(image, line, Black));
    }
    EXPECT_TRUE(AllOf(image, QRect(910, 1, 1, 90), Erased));
    EXPECT_TRUE(AllOf(image, QRect(680, 91, 230, 1), Erased));
    EXPECT_GT(CountDark(image, QRect(725, 6, 150, 22)), 20) << "title";
    EXPECT_GT(CountDark(image, QRect(695, 38, 60, 20)), 20) << "first word";
    EXPECT_GT(CountDark(image, QRect(695, 63, 60, 20)), 20) << "second word";
    // A phrase stops at the frame, or it would stay beside the panel after the next removal.
    state.LastRemovedTextA = "¿Dónde está la estación de tren más cercana?";
    const QImage phrase = PaintedPanels(state);
    EXPECT_GT(CountDark(phrase, QRect(850, 38, 55, 20)), 10) << "as far as the frame";
    EXPECT_TRUE(AllOf(phrase, QRect(910, 1, 20, 90), Erased));
}

} // namespace
