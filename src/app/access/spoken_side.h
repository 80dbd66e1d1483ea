#pragma once

#include <QString>

#include <string>

// What a screen reader says for a side's line: its words, or "picture: NAME" from its picture's
// file name when it has no words; "" for no line.
QString SpokenSide(const std::string* line);
