#include "words/message.h"

Message PluralMessage(const char* text, const char* englishOne, long long count,
                      std::vector<std::string> args) {
    Message message(text, std::move(args));
    message.count = count;
    message.englishOne = englishOne;
    return message;
}

Message NestedMessage(const char* text, std::vector<std::string> args,
                      std::vector<Message> nested) {
    Message message(text, std::move(args));
    message.nested = std::move(nested);
    return message;
}

std::vector<TextPiece> SplitAtPlaces(std::string_view text) {
    std::vector<TextPiece> pieces;
    std::size_t plainStart = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') {
            continue;
        }
        const char next = text[i + 1];
        TextPiece place;
        if (next >= '1' && next <= '9') {
            place.argument = next - '1';
        } else if (next == 'n') {
            place.count = true;
        } else {
            continue;
        }
        if (i > plainStart) {
            pieces.push_back({text.substr(plainStart, i - plainStart)});
        }
        pieces.push_back(place);
        plainStart = i + 2;
        ++i;
    }
    if (plainStart < text.size()) {
        pieces.push_back({text.substr(plainStart)});
    }
    return pieces;
}

std::string FillIn(std::string_view text, const Message& message,
                   const std::function<std::string(const Message&)>& say) {
    std::string filled;
    for (const TextPiece& piece : SplitAtPlaces(text)) {
        if (piece.count) {
            filled += std::to_string(message.count.value_or(0));
        } else if (piece.argument >= 0) {
            const auto index = static_cast<std::size_t>(piece.argument);
            if (index < message.args.size()) {
                filled += message.args[index];
            } else if (index - message.args.size() < message.nested.size()) {
                filled += say(message.nested[index - message.args.size()]);
            }
        } else {
            filled += piece.plain;
        }
    }
    return filled;
}

const char* EnglishForm(const Message& message) {
    return message.count == 1 && message.englishOne ? message.englishOne : message.text;
}

std::string EnglishText(const Message& message) {
    std::string text = FillIn(EnglishForm(message), message, EnglishText);
    for (const Message& note : message.followedBy) {
        text += ' ';
        text += EnglishText(note);
    }
    return text;
}
