#pragma once

#include <string_view>

// Where the readers report what the user must hear: the game's window, or a console.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // A modal box with an OK button only.
    virtual void ShowMessage(std::string_view text) = 0;
};
