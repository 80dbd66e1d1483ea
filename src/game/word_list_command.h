#pragma once

struct GameState;
class GameHost;

// Word List command: shows the loaded list in its dialog, or says that there is none.
void ShowLoadedWordList(const GameState& state, GameHost& host);

// True, after saying so, when no word list is loaded.
bool RefuseWithoutWordList(const GameState& state, GameHost& host);
