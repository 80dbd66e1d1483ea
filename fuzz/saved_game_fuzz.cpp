// The saved-game loader on any bytes; what it loads is saved to memory and loaded again, the
// two games must agree, and the game is then played to its end automatically.
#include "game/auto_play.h"
#include "game/game_state.h"
#include "game/quiet_host.h"
#include "memory_file.h"
#include "savegame/save_loader.h"
#include "savegame/saved_game_text.h"

#include <cstdlib>
#include <string>

namespace {

bool Load(const std::uint8_t* data, std::size_t size, GameState& state, GameHost& host) {
    FileHandle file = OpenMemory(data, size);
    if (!file) {
        return false;
    }
    LineReader reader(file.get(), LineReader::WholeLines);
    return ReadSavedGame(reader, state, host);
}

// Same pairs, same filled cells with the same sides, same counters.
bool Agree(const GameState& a, const GameState& b) {
    if (a.WordsCount != b.WordsCount || a.CellCount != b.CellCount ||
        a.CorrectCount != b.CorrectCount || a.WrongCount != b.WrongCount ||
        a.HintCount != b.HintCount || a.AssignmentArray != b.AssignmentArray) {
        return false;
    }
    for (std::size_t i = 0; i < a.WordList.size(); ++i) {
        if (a.WordList[i].TextA != b.WordList[i].TextA ||
            a.WordList[i].TextB != b.WordList[i].TextB) {
            return false;
        }
    }
    for (std::size_t cell = 0; cell < a.AssignmentArray.size(); ++cell) {
        if (a.AssignmentArray[cell] != NoPair && a.AssignmentAB[cell] != b.AssignmentAB[cell]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameState first;
    QuietHost host(1);
    if (!Load(data, size, first, host)) {
        return 0;
    }
    const std::string saved = SavedGameText(first, host);
    GameState second;
    if (!Load(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size(), second, host) ||
        !Agree(first, second)) {
        std::abort();
    }
    RunFastAutoFinishToEnd(second, host);
    return 0;
}
