#pragma once

#include "words/word_pair.h"

#include <string>

// 16 hex digits that name a list by its pairs' bytes alone (64-bit FNV-1a), the same on every
// machine: progress follows the words, not the file's name.
std::string ListFingerprint(const WordPairList& pairs);
