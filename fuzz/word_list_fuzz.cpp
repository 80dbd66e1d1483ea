// The word-pair reader on any bytes, followed by both deals of what it read.
#include "game/deal.h"
#include "game/game_state.h"
#include "game/quiet_host.h"
#include "memory_file.h"
#include "words/word_list_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FileHandle file = OpenMemory(data, size);
    if (!file) {
        return 0;
    }
    GameState state;
    QuietHost host(1);
    LineReader reader(file.get(), LineReader::WordPiece);
    state.FileDescription = ReadFirstLine(reader);
    state.WordList = ReadWordPairs(reader, host).pairs;
    state.WordsCount = static_cast<std::int32_t>(state.WordList.size());
    if (NewGame(state, host) != DealOutcome::Complete) {
        std::abort(); // the level rule always leaves room for every pair
    }
    NewGameUnblocked(state, host);
    return 0;
}
