#pragma once

#include "game/game_state.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <string>
#include <vector>

// A client area as the view's back buffer holds it, erased to a colour no picture uses.
inline constexpr QRgb Erased = qRgb(240, 240, 240);
QImage ErasedClient();

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

// Below the word of a tile and inside its face: the level's colour alone shows there.
QRect FacePatch(int column, int row);
