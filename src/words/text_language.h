#pragma once

#include "words/list_side.h"
#include "words/word_pair.h"

#include <string>

// The language a side's words are written in, guessed by libexttextcat from all of them
// together: a language code ("fr"), or "" unless the guess is clear. Too little text, two
// languages close together, or no guesser installed give "". Only common languages written in
// the Latin script are told apart; other scripts are GuessLanguageFromScript's.
std::string GuessLanguageFromText(const WordPairList& list, ListSide side);
