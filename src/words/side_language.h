#pragma once

#include "words/list_side.h"
#include "words/word_pair.h"

#include <string>
#include <vector>

// What the words of one side of a list tell of their language.
struct SideLanguageGuess {
    // A language code ("fr") when the words leave no doubt, else "".
    std::string language;
    // While in doubt: the languages the side's letters point to, most likely first; none when
    // its letters are shared by all.
    std::vector<std::string> likely;
};

// The script first (Cyrillic, Kana, ...), then the guesser over all the words, then the
// letters that only some languages write; a short list is often too short for the guesser.
SideLanguageGuess GuessSideLanguage(const WordPairList& list, ListSide side);
