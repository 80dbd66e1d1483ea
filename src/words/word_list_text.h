#pragma once

#include "words/word_pair.h"

#include <string>
#include <string_view>

// A list in the game's own word-pair format, ready to be written: the description line, then
// each pair's two words on two lines. A pair without TextB can only stand last, where the
// reader leaves it.
std::string WordListText(std::string_view description, const WordPairList& pairs);
