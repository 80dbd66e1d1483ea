#pragma once

#include "game/game_state.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <vector>

// A client area as the view's back buffer holds it, erased to a colour no picture uses.
inline constexpr QRgb Erased = qRgb(240, 240, 240);
QImage ErasedClient();

inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb Cyan = qRgb(0, 255, 255);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
// Behind repainted words, the wrong mark and the Removed Tiles box.
inline constexpr QRgb WordBox = qRgb(7, 255, 208);

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test);
inline int CountColour(const QImage& image, const QRect& area, QRgb colour) {
    return CountPixels(image, area, [colour](QRgb pixel) { return pixel == colour; });
}
inline bool AllOf(const QImage& image, const QRect& area, QRgb colour) {
    return CountColour(image, area, colour) == area.width() * area.height();
}
// Text strokes: black, or nearly, after smoothing.
int CountDark(const QImage& image, const QRect& area);

// A list of `pairs` pairs named "a<n>" and "b<n>", dealt with New Game from a fixed seed.
GameState DealtGame(int pairs);
GameState DealtGame(std::vector<WordPair> list);

// A level's face colour; faces repeat every eight levels.
QRgb LevelFace(std::int32_t level);

// Tiles are 178 x 65 pixels at a pitch of 180 across and 67 down, from (10, 100).
QPoint TileCorner(int column, int row);
// The colour of a tile's face below its word, where the level's colour alone shows; 0 (no
// colour an image of ours holds) when the patch is not of one colour.
QRgb FaceColour(const QImage& image, int column, int row);

struct CounterPanel {
    const char* name;
    std::int32_t GameState::*counter;
    QRect ellipse; // as drawn: right and bottom included
    QRgb fill;
    int oneDigitX; // where a number of one digit starts
};
extern const std::array<CounterPanel, 3> CounterPanels;

// The first column of the panel's number strokes, searched from a little left of the place of
// a four-digit number (further out the outline crosses the number's rows); -1 for none.
int NumberStart(const QImage& image, const CounterPanel& panel);
