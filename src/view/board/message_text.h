#pragma once

#include "words/message.h"

#include <QString>

// A game message in the player's language: Qt Linguist's translation of its text, in the
// context "Message"; the English text where there is none. Arguments are decoded as tile
// words are.
QString MessageText(const Message& message);
