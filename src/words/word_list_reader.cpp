#include "words/word_list_reader.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "savegame/saved_game_format.h"
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

    bool expectTextA = true;
    while (!reader.AtEnd()) {
        // A word that finds no memory ends the list; the pairs completed so far stay.
        try {
            line = reader.ReadPiece();
        } catch (const std::bad_alloc&) {
            host.ShowMessage(expectTextA ? OutOfMemoryReadingTextA : OutOfMemoryReadingTextB);
            return WordFileKind::WordList;
        }
        TrimLine(line);
        if (line.empty()) {
            break;
        }
        if (expectTextA) {
            try {
                state.WordList.emplace_back();
            } catch (const std::bad_alloc&) {
                host.ShowMessage(OutOfMemoryReadingNode);
                return WordFileKind::WordList;
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
