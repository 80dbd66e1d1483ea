#include "words/word_pair.h"

#include "words/message_sink.h"

const WordPair* GetWordPairPointer(const WordPairList& list, MessageSink& sink, int n) {
    if (list.empty()) {
        return nullptr;
    }
    if (n < 0 || static_cast<std::size_t>(n) >= list.size()) {
        sink.Report(
            GT_TEXT("Message", "Possible odd number of words in function GetWordPairPointer"));
        return nullptr;
    }
    return &list[static_cast<std::size_t>(n)];
}

void FreeWordList(WordPairList& list) {
    WordPairList().swap(list);
}
