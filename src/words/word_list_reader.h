#pragma once

#include "words/word_pair.h"

#include <string>

class CancelFlag;
class LineReader;
class MessageSink;

// The first line of a file, trimmed: a list's description, or what tells another kind of file.
std::string ReadFirstLine(LineReader& reader);

struct WordPairsRead {
    WordPairList pairs;
    // Lines with text after the blank line that ended the list: none of them was read.
    int linesNotRead = 0;
    // Lines of the list, its first line too, that were longer than a word may be and so were
    // read as several words.
    int linesSplit = 0;
    // Memory ran out before the end of the file.
    bool outOfMemory = false;
    // The reading stopped at the cancel; the pairs are not all there.
    bool cancelled = false;
};

// Reads the word pairs that follow the first line, up to a blank line or the end of the file.
// Running out of memory is reported and ends the list with the pairs completed so far.
WordPairsRead ReadWordPairs(LineReader& reader, MessageSink& sink,
                            const CancelFlag* cancel = nullptr);
