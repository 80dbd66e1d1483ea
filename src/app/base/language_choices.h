#pragma once

#include "words/list_languages.h"
#include "words/list_side.h"

#include <QString>

#include <string>

struct GameState;

// The language the player chose under Tools > Languages… for one side of the list opened from
// `listPath`, or an empty text where the player chose none. Kept in the settings.
QString ChosenLanguage(const std::string& listPath, ListSide side);
void SetChosenLanguage(const std::string& listPath, ListSide side, const QString& language);

// The languages of the list in play as the player chose them under Tools > Languages…, or
// where the player chose none, as the list names them.
ListLanguages ChosenListLanguages(const GameState& state);
