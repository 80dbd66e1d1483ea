#pragma once

#include <QImage>

#include <cstdint>

// The tile pictures, each TileWidth x TileHeight, drawn once per process and shared.

// The level's own face colour: levels repeat every eight.
const QImage& LevelPicture(std::int32_t level);
// The same frame with yellow speckles and a white face.
const QImage& SelectedPicture();
// Where a tile has gone: a cyan outline and blue corner brackets, clear inside so that it
// takes the board's background.
const QImage& EmptyPlacePicture();
