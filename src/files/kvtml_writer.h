#pragma once

#include "files/language_names.h"
#include "words/word_pair.h"

#include <string>
#include <string_view>

// A kvtml 2.0 file as KDE's vocabulary programs write it: the description as the title, the
// two sides as identifiers 0 and 1, every pair as an entry, and one lesson holding them all. A
// side's note is its translation's comment; its picture and sound are URLs, relative where the
// side's reference is.
std::string KvtmlText(std::string_view description, const WordPairList& pairs,
                      const LanguageLabel& words, const LanguageLabel& translations);
