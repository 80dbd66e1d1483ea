#include "words/word_list_reader.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "savegame/saved_game_format.h"
#include "words/deal_reserve.h"
#include "words/line_reader.h"
#include "words/out_of_memory.h"

#include <new>

WordFileKind ReadWordPairs(LineReader& reader, GameState& state, GameHost& host) {
    std::string line = reader.ReadPiece();
    TrimLine(line);
    if (line.empty()) {
        line = state.BrowseFileName;
    }
    if (line.starts_with(SavedGameMark)) {
        return WordFileKind::SavedGame;
    }
    state.FileDescription = CutText(line);

    DealReserve reserve;
    // Out of memory: give the reserve back for the deal and keep the pairs completed so far.
    auto stop = [&](std::string_view message) {
        reserve.Release();
        host.ShowMessage(message);
        return WordFileKind::WordList;
    };
    bool expectTextA = true;
    while (!reader.AtEnd()) {
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
                reserve.CoverPairs(state.WordList.size() + 1);
                state.WordList.emplace_back();
            } catch (const std::bad_alloc&) {
                return stop(OutOfMemoryReadingNode);
            }
            state.WordList.back().TextA = std::move(line);
            ++state.WordsCount;
        } else {
            state.WordList.back().TextB = std::move(line);
        }
        expectTextA = !expectTextA;
    }
    return WordFileKind::WordList;
}
