#include "words/word_list_reader.h"

#include "words/cancel_flag.h"
#include "words/deal_reserve.h"
#include "words/line_reader.h"
#include "words/message_sink.h"
#include "words/out_of_memory.h"

#include <new>

namespace {
// The rest of the file, in lines that hold more than blanks; a long line read in several
// pieces counts once.
int CountLinesWithText(LineReader& reader) {
    int lines = 0;
    bool lineHasText = false;
    while (!reader.AtEnd()) {
        std::string piece = reader.ReadPiece();
        const bool endsLine = reader.AtEnd() || (!piece.empty() && piece.back() == '\n');
        TrimLine(piece);
        lineHasText = lineHasText || !piece.empty();
        if (endsLine) {
            lines += lineHasText ? 1 : 0;
            lineHasText = false;
        }
    }
    return lines;
}
} // namespace

std::string ReadFirstLine(LineReader& reader) {
    std::string line = reader.ReadPiece();
    TrimLine(line);
    return line;
}

WordPairsRead ReadWordPairs(LineReader& reader, MessageSink& sink, const CancelFlag* cancel) {
    WordPairsRead read;
    WordPairList& list = read.pairs;
    DealReserve reserve;
    // Out of memory: give the reserve back for the deal and keep the pairs completed so far.
    auto stop = [&](const char* message) {
        reserve.Release();
        sink.Report(message);
        read.linesSplit = reader.SplitLines();
        read.outOfMemory = true;
        return std::move(read);
    };
    bool expectTextA = true;
    while (!reader.AtEnd()) {
        if (IsCancelled(cancel)) {
            read.cancelled = true;
            return read;
        }
        std::string line;
        try {
            line = reader.ReadPiece();
        } catch (const std::bad_alloc&) {
            return stop(expectTextA ? OutOfMemoryReadingTextA : OutOfMemoryReadingTextB);
        }
        TrimLine(line);
        if (line.empty()) {
            read.linesSplit = reader.SplitLines();
            try {
                read.linesNotRead = CountLinesWithText(reader);
            } catch (const std::bad_alloc&) {
                // Only the count is lost; the list is whole.
            }
            return read;
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
    read.linesSplit = reader.SplitLines();
    return read;
}
