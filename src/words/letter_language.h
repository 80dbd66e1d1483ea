#pragma once

#include "words/list_side.h"
#include "words/word_pair.h"

#include <string>
#include <vector>

// The languages that the letters of a side's words point to, most likely first: letters that
// only some languages write (ñ, ¿ and ¡ in Spanish, ß in German, œ in French, ...) each vote for
// theirs, and the languages with the most votes are given. One language when the letters leave
// only it; none when no such letter appears or the text is not UTF-8.
std::vector<std::string> GuessLanguagesFromLetters(const WordPairList& list, ListSide side);
