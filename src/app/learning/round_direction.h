#pragma once

#include "learning/practice_round.h"

#include <string>

// The direction the player last chose for a list in a kind of round ("Typing", "Flashcards",
// ...), kept under the list's path; Forward before the first choice.
RoundDirection SavedDirection(const char* round, const std::string& listPath);
void KeepDirection(const char* round, const std::string& listPath, RoundDirection direction);
