#include "game/play_status_text.h"

#include "game/board_geometry.h"
#include "game/game_state.h"
#include "words/side_line.h"

namespace {

std::string Shown(const GameState& state, std::int32_t cell) {
    return TextShownAt(state, cell).value_or("");
}

std::string Hidden(const GameState& state, std::int32_t cell) {
    return TextHiddenAt(state, cell).value_or("");
}

Message Note(const char* text, std::vector<std::string> args = {}) {
    return Message(text, std::move(args));
}

// "manger = to eat", and the pair's note after it; a pair that lacks a word (a list cut
// short) shows it empty.
Message PairText(const char* text, const GameState& state, std::int32_t pair) {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state.WordList.size()) {
        return Note(text, {"", ""});
    }
    const WordPair& words = state.WordList[static_cast<std::size_t>(pair)];
    const std::string a = words.TextA.value_or("");
    const std::string b = words.TextB.value_or("");
    Message said = Note(text, {ShownText(a), ShownText(b)});
    if (const std::string note = PairNote(a, b); !note.empty()) {
        said.followedBy.push_back(Note(GT_TEXT("Message", "Note: %1"), {note}));
    }
    return said;
}

std::optional<Message> PickText(const GameState& state, const PlayEvent& event) {
    switch (event.kind) {
    case PlayEventKind::GameStarted:
        return Note("");
    case PlayEventKind::TileSelected:
        return Note(GT_TEXT("Message", "Selected: %1"), {Shown(state, event.firstCell)});
    case PlayEventKind::SelectionCleared:
        return Note(GT_TEXT("Message", "Deselected: %1"), {Shown(state, event.firstCell)});
    case PlayEventKind::PairMatched:
        return PairText(GT_TEXT("Message", "Correct: %1 = %2"), state, event.pair);
    case PlayEventKind::WrongPick:
        return Note(GT_TEXT("Message", "Wrong: %1 is not %2's pair"),
                    {Shown(state, event.secondCell), Shown(state, event.firstCell)});
    case PlayEventKind::Peeked:
        return Note(GT_TEXT("Message", "Peek: %1 = %2"),
                    {Shown(state, event.firstCell), Hidden(state, event.firstCell)});
    case PlayEventKind::PairHinted:
        return PairText(GT_TEXT("Message", "Hint: %1 = %2"), state, event.pair);
    case PlayEventKind::PairAutoRemoved:
        return PairText(GT_TEXT("Message", "Removed: %1 = %2"), state, event.pair);
    case PlayEventKind::RemovalUndone:
        return PairText(GT_TEXT("Message", "Undone: %1 = %2"), state, event.pair);
    case PlayEventKind::RemovalRedone:
        return PairText(GT_TEXT("Message", "Redone: %1 = %2"), state, event.pair);
    case PlayEventKind::PeekEnded:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<Message> PlayStatusText(const GameState& state, const PlayEvent& event) {
    return PickText(state, event);
}
