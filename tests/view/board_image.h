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

// Below the word of a tile and inside its face: the level's colour alone shows there.
QRect FacePatch(int column, int row);
