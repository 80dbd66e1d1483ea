#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text the game says for translation. scripts/update-translations collects these for
// Qt Linguist as it collects QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP, which the core, having
// no Qt, cannot use. Game texts use the context "Message".
#define GT_TEXT(context, text) text
#define GT_PLURAL_TEXT(context, text) text

// A text the game says, as an identifier and its arguments: the window and the command line
// put it into the player's language. The identifier is the English text, with %1, %2… where
// the arguments go and %n where the count goes. Arguments are bytes, as the files hold them.
struct Message {
    Message() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a text alone is a message.
    Message(const char* text, std::vector<std::string> args = {})
        : text(text), args(std::move(args)) {}

    const char* text = "";
    std::vector<std::string> args;
    // For a text with %n: the count, and the English text for a count of one.
    std::optional<long long> count;
    const char* englishOne = nullptr;
    // Messages that fill the places after the arguments' own, said in the same language: a
    // failed import's reason inside "Can't import the file".
    std::vector<Message> nested;
    // Notes said after this one, each after a space.
    std::vector<Message> followedBy;
};

// A message with messages in its places after the arguments' own.
Message NestedMessage(const char* text, std::vector<std::string> args, std::vector<Message> nested);

// Message{GT_PLURAL_TEXT("Message", "%n rows were left out"), ...} with its count.
Message PluralMessage(const char* text, const char* englishOne, long long count,
                      std::vector<std::string> args = {});

// One stretch of a message's text: plain text, or the place of an argument (0-based) or of
// the count.
struct TextPiece {
    std::string_view plain;
    int argument = -1;
    bool count = false;
};
// A text cut at its places: "%1".."%9" and "%n". Any other "%" is plain text.
std::vector<TextPiece> SplitAtPlaces(std::string_view text);

// The text with its places filled, the arguments' bytes unchanged and the nested messages as
// `say` words them.
std::string FillIn(std::string_view text, const Message& message,
                   const std::function<std::string(const Message&)>& say);

// The English text for the message's count: englishOne for one, the text itself otherwise.
const char* EnglishForm(const Message& message);

// The message in English, byte for byte what the game said before it had translations.
std::string EnglishText(const Message& message);
