#pragma once

#include "words/message.h"

struct GameState;
class GameHost;

inline Message NoFreePairNote() {
    return {GT_TEXT("Message", "No free pair left: no two tiles on top belong together. Game > "
                               "New Game3 deals tiles that can always be cleared."),
            {}};
}

// Tiles that remain with no free pair among them would leave the player stuck without a word:
// the status bar says so, and takes the note back once a pair is free again.
void NoteWhetherAPairIsFree(GameState& state, GameHost& host);

// A new board: whatever the note said was about the old one.
void ForgetFreePairNote(GameState& state, GameHost& host);
