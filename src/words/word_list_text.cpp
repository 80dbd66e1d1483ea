#include "words/word_list_text.h"

std::string WordListText(std::string_view description, const WordPairList& pairs) {
    std::string text(description);
    text += '\n';
    for (const WordPair& pair : pairs) {
        if (!pair.TextA) {
            continue;
        }
        text += *pair.TextA;
        text += '\n';
        if (pair.TextB) {
            text += *pair.TextB;
            text += '\n';
        }
    }
    return text;
}
