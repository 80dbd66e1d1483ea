#include "words/word_pair.h"

#include "game/game_host.h"

const WordPair* GetWordPairPointer(const WordPairList& list, GameHost& host, int n) {
    if (list.empty()) {
        return nullptr;
    }
    if (n < 0 || static_cast<std::size_t>(n) >= list.size()) {
        host.ShowMessage("Possible odd number of words in function GetWordPairPointer");
        return nullptr;
    }
    return &list[static_cast<std::size_t>(n)];
}

void FreeWordList(WordPairList& list) {
    WordPairList().swap(list);
}
