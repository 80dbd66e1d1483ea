#include "game/hint_search.h"

#include "game/game_state.h"

#include <array>

namespace {
BoardPosition PositionAt(int index) {
    return {index / BoardRows + 1, index % BoardRows + 1};
}
} // namespace

std::optional<HintPair> FindHintPair(const GameState& state) {
    std::array<std::int32_t, BoardPositions> topCells{};
    for (int index = 0; index < BoardPositions; ++index) {
        const BoardPosition position = PositionAt(index);
        topCells[static_cast<std::size_t>(index)] = TopCellAt(state, position.column, position.row);
    }
    const auto pairOf = [&state](std::int32_t cell) {
        return state.AssignmentArray[static_cast<std::size_t>(cell)];
    };
    for (int first = 0; first < BoardPositions; ++first) {
        const std::int32_t firstCell = topCells[static_cast<std::size_t>(first)];
        if (firstCell < 0) {
            continue;
        }
        for (int second = 0; second < BoardPositions; ++second) {
            const std::int32_t secondCell = topCells[static_cast<std::size_t>(second)];
            if (second != first && secondCell >= 0 && pairOf(secondCell) == pairOf(firstCell)) {
                return HintPair{PositionAt(first), PositionAt(second), firstCell, secondCell};
            }
        }
    }
    return std::nullopt;
}

void StoreHintPositions(GameState& state, const HintPair& pair) {
    state.HintCol1 = pair.first.column - 1;
    state.HintRow1 = pair.first.row - 1;
    state.HintCol2 = pair.second.column - 1;
    state.HintRow2 = pair.second.row - 1;
}

BoardPosition FirstHintedPosition(const GameState& state) {
    return {state.HintCol1 + 1, state.HintRow1 + 1};
}

BoardPosition SecondHintedPosition(const GameState& state) {
    return {state.HintCol2 + 1, state.HintRow2 + 1};
}
