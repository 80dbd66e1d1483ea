#pragma once

#include "words/list_side.h"
#include "words/word_pair.h"

#include <string>
#include <string_view>

// The language that the writing of a side's words points to, as a language code ("ru", "ja",
// ...), or "" when the script tells nothing: Latin is shared by too many languages to guess.
// Texts that are not UTF-8 give no guess.
std::string GuessLanguageFromScript(const WordPairList& list, ListSide side);
