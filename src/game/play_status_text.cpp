#include "game/play_status_text.h"

#include "game/board_geometry.h"
#include "game/game_state.h"

namespace {

std::string Shown(const GameState& state, std::int32_t cell) {
    const std::string* word = WordShownAt(state, cell);
    return word ? *word : std::string();
}

std::string Hidden(const GameState& state, std::int32_t cell) {
    const std::string* word = WordHiddenAt(state, cell);
    return word ? *word : std::string();
}

Message Note(const char* text, std::vector<std::string> args = {}) {
    return Message(text, std::move(args));
}

// "manger = to eat"; a pair that lacks a word (a list cut short) shows it empty.
Message PairNote(const char* text, const GameState& state, std::int32_t pair) {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state.WordList.size()) {
        return Note(text, {"", ""});
    }
    const WordPair& words = state.WordList[static_cast<std::size_t>(pair)];
    return Note(text, {words.TextA.value_or(""), words.TextB.value_or("")});
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
        return PairNote(GT_TEXT("Message", "Correct: %1 = %2"), state, event.pair);
    case PlayEventKind::WrongPick:
        return Note(GT_TEXT("Message", "Wrong: %1 is not %2's pair"),
                    {Shown(state, event.secondCell), Shown(state, event.firstCell)});
    case PlayEventKind::Peeked:
        return Note(GT_TEXT("Message", "Peek: %1 = %2"),
                    {Shown(state, event.firstCell), Hidden(state, event.firstCell)});
    case PlayEventKind::PairHinted:
        return PairNote(GT_TEXT("Message", "Hint: %1 = %2"), state, event.pair);
    case PlayEventKind::PairAutoRemoved:
        return PairNote(GT_TEXT("Message", "Removed: %1 = %2"), state, event.pair);
    case PlayEventKind::RemovalUndone:
        return PairNote(GT_TEXT("Message", "Undone: %1 = %2"), state, event.pair);
    case PlayEventKind::RemovalRedone:
        return PairNote(GT_TEXT("Message", "Redone: %1 = %2"), state, event.pair);
    case PlayEventKind::PeekEnded:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<Message> PlayStatusText(const GameState& state, const PlayEvent& event) {
    return PickText(state, event);
}
