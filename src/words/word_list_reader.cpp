#include "words/word_list_reader.h"

#include "words/deal_reserve.h"
#include "words/line_reader.h"
#include "words/message_sink.h"
#include "words/out_of_memory.h"

#include <new>

std::string ReadFirstLine(LineReader& reader) {
    std::string line = reader.ReadPiece();
    TrimLine(line);
    return line;
}

WordPairList ReadWordPairs(LineReader& reader, MessageSink& sink) {
    WordPairList list;
    DealReserve reserve;
    // Out of memory: give the reserve back for the deal and keep the pairs completed so far.
    auto stop = [&](std::string_view message) {
        reserve.Release();
        sink.ShowMessage(message);
        return std::move(list);
    };
    bool expectTextA = true;
    while (!reader.AtEnd()) {
        std::string line;
        try {
            line = reader.ReadPiece();
        } catch (const std::bad_alloc&) {
            return stop(expectTextA ? OutOfMemoryReadingTextA : OutOfMemoryReadingTextB);
        }
        TrimLine(line);
        if (line.empty()) {
            break;
        }
        if (expectTextA) {
            try {
                reserve.CoverPairs(list.size() + 1);
                list.emplace_back();
            } catch (const std::bad_alloc&) {
                return stop(OutOfMemoryReadingNode);
            }
            list.back().TextA = std::move(line);
        } else {
            list.back().TextB = std::move(line);
        }
        expectTextA = !expectTextA;
    }
    return list;
}
