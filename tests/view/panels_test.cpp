#include "board_image.h"

#include "view/board_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>

namespace {

struct Panel {
    const char* name;
    std::int32_t GameState::*counter;
    QRect ellipse; // as drawn: right and bottom included
    QRgb fill;
    std::array<int, 4> numberX; // one, two, three, four and more digits
};

const std::array<Panel, 3> Panels = {{
    {"Correct",
     &GameState::CorrectCount,
     QRect(10, 10, 200, 80),
     qRgb(7, 255, 208),
     {100, 90, 80, 70}},
    {"Wrong",
     &GameState::WrongCount,
     QRect(230, 10, 200, 80),
     qRgb(255, 0, 0),
     {320, 310, 300, 290}},
    {"Hints",
     &GameState::HintCount,
     QRect(450, 10, 220, 80),
     qRgb(0, 170, 221),
     {550, 540, 530, 520}},
}};

QImage PaintedPanels(const GameState& state) {
    QImage image = ErasedClient();
    QPainter painter(&image);
    BoardPainter().DrawPanels(painter, state);
    return image;
}

TEST(CounterPanels, EllipsesAreFilledAndOutlinedInTheirBoxes) {
    const QImage image = PaintedPanels(GameState());
    for (const Panel& panel : Panels) {
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

// The first column of the number's strokes, searched from a little left of its leftmost place
// (further out the outline crosses the number's rows).
int FirstDarkColumn(const QImage& image, const Panel& panel) {
    for (int x = panel.numberX[3] - 5; x < panel.ellipse.right(); ++x) {
        if (CountDark(image, QRect(x, 45, 1, 38)) > 0) {
            return x;
        }
    }
    return -1;
}

int NumberStart(const Panel& panel, std::int32_t value) {
    GameState state;
    state.*panel.counter = value;
    return FirstDarkColumn(PaintedPanels(state), panel);
}

TEST(CounterPanels, OneDigitNumbersStartAtTheirPlace) {
    for (const Panel& panel : Panels) {
        for (const std::int32_t value : {0, 1, 7, -5}) {
            SCOPED_TRACE(testing::Message() << panel.name << " " << value);
            const int start = NumberStart(panel, value);
            EXPECT_GE(start, panel.numberX[0]);
            EXPECT_LT(start, panel.numberX[0] + 10);
        }
    }
}

// Numbers that begin with the same digit begin their strokes exactly a place apart.
TEST(CounterPanels, NumbersMoveLeftOneStepPerDigit) {
    const std::array<std::pair<std::int32_t, int>, 6> values = {
        {{10, 1}, {19, 1}, {100, 2}, {199, 2}, {1000, 3}, {12345, 3}}};
    for (const Panel& panel : Panels) {
        const int oneDigit = NumberStart(panel, 1);
        for (const auto& [value, place] : values) {
            SCOPED_TRACE(testing::Message() << panel.name << " " << value);
            const auto placeIndex = static_cast<std::size_t>(place);
            EXPECT_EQ(NumberStart(panel, value) - oneDigit,
                      panel.numberX[placeIndex] - panel.numberX[0]);
        }
    }
}

TEST(RemovedTilesPanel, FilledAndFramedWithBothWords) {
    GameState state;
    state.LastRemovedTextA = "house";
    state.LastRemovedTextB = "maison";
    const QImage image = PaintedPanels(state);
    EXPECT_TRUE(AllOf(image, QRect(681, 2, 40, 27), WordBox));
    EXPECT_TRUE(AllOf(image, QRect(850, 31, 59, 58), WordBox));
    EXPECT_TRUE(AllOf(image, QRect(681, 90, 228, 1), WordBox));
    for (const QRect& line : {QRect(680, 1, 230, 1), QRect(680, 29, 230, 1), QRect(680, 89, 230, 1),
                              QRect(680, 1, 1, 89), QRect(909, 1, 1, 89)}) {
        EXPECT_TRUE(AllOf(image, line, Black));
    }
    EXPECT_TRUE(AllOf(image, QRect(910, 1, 1, 90), Erased));
    EXPECT_TRUE(AllOf(image, QRect(680, 91, 230, 1), Erased));
    EXPECT_GT(CountDark(image, QRect(725, 6, 150, 22)), 20) << "title";
    EXPECT_GT(CountDark(image, QRect(695, 38, 60, 20)), 20) << "first word";
    EXPECT_GT(CountDark(image, QRect(695, 63, 60, 20)), 20) << "second word";
}

TEST(RemovedTilesPanel, EmptyUntilAPairIsRemoved) {
    const QImage image = PaintedPanels(GameState());
    EXPECT_TRUE(AllOf(image, QRect(681, 30, 228, 59), WordBox));
}

} // namespace
