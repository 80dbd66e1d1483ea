#include "game/tile_removal.h"

#include "game/board_geometry.h"
#include "game/game_state.h"
#include "words/side_line.h"

#include <utility>

namespace {
std::string TextOrEmpty(const std::optional<std::string>& word) {
    return word ? CutText(ShownText(*word)) : std::string();
}
} // namespace

void RememberRemovedPair(GameState& state, std::int32_t pair) {
    if (pair < 0 || static_cast<std::size_t>(pair) >= state.WordList.size()) {
        return;
    }
    const WordPair& entry = state.WordList[static_cast<std::size_t>(pair)];
    state.LastRemovedTextA = TextOrEmpty(entry.TextA);
    state.LastRemovedTextB = TextOrEmpty(entry.TextB);
}

void RemovePair(GameState& state, std::int32_t firstCell, std::int32_t secondCell) {
    const auto side = [&state](std::int32_t cell) {
        return state.AssignmentAB[static_cast<std::size_t>(cell)];
    };
    RemovedPair removal{PairAt(state, firstCell), firstCell,
                        side(firstCell),          secondCell,
                        side(secondCell),         state.LastRemovedTextA,
                        state.LastRemovedTextB};
    TakeOffBoard(state, removal);
    state.History.Record(std::move(removal));
}

void TakeOffBoard(GameState& state, const RemovedPair& removal) {
    RememberRemovedPair(state, removal.pair);
    EmptyCell(state, removal.firstCell);
    EmptyCell(state, removal.secondCell);
}

void EmptyCell(GameState& state, std::int32_t cell) {
    if (cell >= 0 && static_cast<std::size_t>(cell) < state.AssignmentArray.size()) {
        state.AssignmentArray[static_cast<std::size_t>(cell)] = NoPair;
    }
}
