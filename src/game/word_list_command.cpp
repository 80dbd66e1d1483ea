#include "game/word_list_command.h"

#include "game/game_host.h"
#include "game/game_state.h"

bool RefuseWithoutWordList(const GameState& state, GameHost& host) {
    if (!state.WordList.empty()) {
        return false;
    }
    host.Report(GT_TEXT("Message", "There is no word list loaded\nUse File > Open to open a list"));
    return true;
}

void ShowLoadedWordList(const GameState& state, GameHost& host) {
    if (!RefuseWithoutWordList(state, host)) {
        host.ShowWordList();
    }
}
