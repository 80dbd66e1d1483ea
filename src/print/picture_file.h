#pragma once

#include <QImage>

#include <string>

// The most pixels a picture may have: a photo of a good camera, far more than any page or tile
// shows. A file whose header claims more is not decoded.
inline constexpr qint64 MaxPicturePixels = 50'000'000;

// The picture in the file, decoded through QImageReader under an allocation limit and scaled
// down to at most `longestSide` pixels; a null image for a file that is no picture, claims too
// many pixels, is a JPEG cut short or cannot be decoded.
QImage ReadPictureFile(const std::string& path, int longestSide);
