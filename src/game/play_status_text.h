#pragma once

#include "game/play_event.h"

#include "words/message.h"

#include <optional>

struct GameState;

// What the status bar says about an event of play, in words a screen reader can speak:
// "Selected: manger", "Correct: manger = to eat", "Wrong: manger is not boire's pair". ""
// goes back to the idle prompt; nullopt leaves the last note standing. Words are the list's
// bytes, as the tiles show them.
std::optional<Message> PlayStatusText(const GameState& state, const PlayEvent& event);
