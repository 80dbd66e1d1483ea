#pragma once

#include <string>

class QIcon;
class QLabel;

// How large the rounds show a side's picture, a side.
inline constexpr int RoundPictureSide = 200;

// Shows the picture file in the label, at most `longestSide` pixels a side, or hides the label
// when there is no file or it cannot be read.
void ShowPictureFile(QLabel& label, const std::string& file, int longestSide);

// The picture file as an icon at most `longestSide` pixels a side; a null icon when there is no
// file or it cannot be read.
QIcon PictureFileIcon(const std::string& file, int longestSide);
