#pragma once

#include "words/message.h"

#include <string_view>

// Where the readers report what the user must hear: the game's window, or a console.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // A modal box with an OK button only, in the player's language. Without a language of its
    // own, a sink shows the English text.
    virtual void Report(const Message& message) { ShowMessage(EnglishText(message)); }
    // The same box with a text already in words.
    virtual void ShowMessage(std::string_view text) = 0;
};
