#include "files/imported_list.h"

void AddImportedRow(ImportedList& list, int line, std::string word, std::string translation) {
    if (word.empty() && translation.empty()) {
        return;
    }
    if (word.empty() || translation.empty()) {
        list.leftOutLines.push_back(line);
        return;
    }
    list.pairs.push_back({std::move(word), std::move(translation)});
}

std::string CleanImportedWord(std::string_view text) {
    std::string word;
    word.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // CR LF is one line break
        }
        word += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    while (begin < word.size() && blank(word[begin])) {
        ++begin;
    }
    std::size_t end = word.size();
    while (end > begin && blank(word[end - 1])) {
        --end;
    }
    return word.substr(begin, end - begin);
}
