#include "game/play_status_text.h"

#include "game/board_geometry.h"
#include "game/free_pair_note.h"
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

// "manger = to eat"; a pair that lacks a word (a list cut short) shows it empty.
std::string PairText(const GameState& state, std::int32_t pair) {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state.WordList.size()) {
        return " = ";
    }
    const WordPair& words = state.WordList[static_cast<std::size_t>(pair)];
    return words.TextA.value_or("") + " = " + words.TextB.value_or("");
}

std::optional<std::string> PickText(const GameState& state, const PlayEvent& event) {
    switch (event.kind) {
    case PlayEventKind::GameStarted:
        return std::string();
    case PlayEventKind::TileSelected:
        return "Selected: " + Shown(state, event.firstCell);
    case PlayEventKind::SelectionCleared:
        return "Deselected: " + Shown(state, event.firstCell);
    case PlayEventKind::PairMatched:
        return "Correct: " + PairText(state, event.pair);
    case PlayEventKind::WrongPick:
        return "Wrong: " + Shown(state, event.secondCell) + " is not " +
               Shown(state, event.firstCell) + "'s pair";
    case PlayEventKind::Peeked:
        return "Peek: " + Shown(state, event.firstCell) + " = " + Hidden(state, event.firstCell);
    case PlayEventKind::PairHinted:
        return "Hint: " + PairText(state, event.pair);
    case PlayEventKind::PairAutoRemoved:
        return "Removed: " + PairText(state, event.pair);
    case PlayEventKind::RemovalUndone:
        return "Undone: " + PairText(state, event.pair);
    case PlayEventKind::RemovalRedone:
        return "Redone: " + PairText(state, event.pair);
    case PlayEventKind::PeekEnded:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> PlayStatusText(const GameState& state, const PlayEvent& event) {
    std::optional<std::string> text = PickText(state, event);
    // A stuck board must not go unsaid behind the news of the last pick.
    if (text && !text->empty() && state.NoFreePairNoted) {
        *text += " ";
        *text += NoFreePairNote;
    }
    return text;
}
