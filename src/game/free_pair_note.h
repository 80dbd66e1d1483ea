#pragma once

#include "words/message.h"

struct GameState;
class GameHost;

inline Message NoFreePairNote() {
    return {
        GT_TEXT("Message",
                "No free pair left: no two tiles on top belong together. Game > New Game3 deals "
                "tiles that can always be cleared, and so does File > Open while Game > Deal "
                "Boards That Can Be Cleared is on."),
        {}};
}

// Tiles that remain with no free pair among them would leave the player stuck without a word:
// a note says so, and is taken back once a pair is free again.
void NoteWhetherAPairIsFree(GameState& state, GameHost& host);

// A new board: whatever the note said was about the old one.
void ForgetFreePairNote(GameState& state, GameHost& host);
