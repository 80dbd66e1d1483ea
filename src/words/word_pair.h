#pragma once

#include <deque>
#include <optional>
#include <string>

class MessageSink;

// One entry of the word list. Either word may be missing: a file that ends after a TextA
// leaves a pair without TextB.
struct WordPair {
    std::optional<std::string> TextA;
    std::optional<std::string> TextB;
};

// List order is file order. Board cells refer to entries by their position in this list, so
// identity of an entry is its position. A deque keeps growth cheap for very long lists.
using WordPairList = std::deque<WordPair>;

// The n-th entry, counted from 0, or nullptr. Reports a list that ends before the n-th entry.
const WordPair* GetWordPairPointer(const WordPairList& list, MessageSink& sink, int n);

void FreeWordList(WordPairList& list);
