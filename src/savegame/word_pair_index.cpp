#include "savegame/word_pair_index.h"

#include "game/game_state.h"

std::int32_t GetWordPairIndex(const GameState& state, std::int32_t pair) {
    const bool listed = pair >= 0 && pair < state.WordsCount &&
                        static_cast<std::size_t>(pair) < state.WordList.size();
    return listed ? pair : -1;
}
