#include "game/equal_text_match.h"

#include "game/game_state.h"

#include <optional>
#include <string>
#include <utility>

namespace {

// A missing word matches nothing, not even another missing one.
const std::optional<std::string>& ShownText(const GameState& state, std::int32_t pair,
                                            std::int32_t side) {
    const WordPair& entry = state.WordList[static_cast<std::size_t>(pair)];
    return side == 0 ? entry.TextA : entry.TextB;
}

std::int32_t SideOf(const GameState& state, std::int32_t cell) {
    return state.AssignmentAB[static_cast<std::size_t>(cell)] == 0 ? 0 : 1;
}

std::int32_t PairOf(const GameState& state, std::int32_t cell) {
    return state.AssignmentArray[static_cast<std::size_t>(cell)];
}

// The cell on the board that shows the given side of a pair, or -1.
std::int32_t CellShowing(const GameState& state, std::int32_t pair, std::int32_t side) {
    for (std::int32_t cell = 0; cell < static_cast<std::int32_t>(state.AssignmentArray.size());
         ++cell) {
        if (PairOf(state, cell) == pair && SideOf(state, cell) == side) {
            return cell;
        }
    }
    return -1;
}

void SwapTiles(GameState& state, std::int32_t one, std::int32_t other) {
    std::swap(state.AssignmentArray[static_cast<std::size_t>(one)],
              state.AssignmentArray[static_cast<std::size_t>(other)]);
    std::swap(state.AssignmentAB[static_cast<std::size_t>(one)],
              state.AssignmentAB[static_cast<std::size_t>(other)]);
}

// Whether the pair's two tiles are on the board and show the two words picked.
bool HoldsBoth(const GameState& state, std::int32_t pair, std::int32_t firstSide,
               const std::string& firstText, const std::string& secondText) {
    return ShownText(state, pair, firstSide) == firstText &&
           ShownText(state, pair, 1 - firstSide) == secondText &&
           CellShowing(state, pair, firstSide) >= 0 && CellShowing(state, pair, 1 - firstSide) >= 0;
}

} // namespace

bool BringIntoOneEntry(GameState& state, std::int32_t firstCell, std::int32_t secondCell) {
    const std::int32_t firstPair = PairOf(state, firstCell);
    const std::int32_t secondPair = PairOf(state, secondCell);
    if (firstPair == secondPair) {
        return true;
    }
    const std::int32_t firstSide = SideOf(state, firstCell);
    if (SideOf(state, secondCell) == firstSide) {
        return false;
    }
    const std::optional<std::string> firstText = ShownText(state, firstPair, firstSide);
    const std::optional<std::string> secondText = ShownText(state, secondPair, 1 - firstSide);
    if (!firstText || !secondText) {
        return false;
    }
    // The picked tiles' own entries first: then a single swap does.
    std::int32_t entry = NoPair;
    for (const std::int32_t candidate : {firstPair, secondPair}) {
        if (HoldsBoth(state, candidate, firstSide, *firstText, *secondText)) {
            entry = candidate;
            break;
        }
    }
    for (std::int32_t pair = 0;
         entry == NoPair && pair < static_cast<std::int32_t>(state.WordList.size()); ++pair) {
        if (HoldsBoth(state, pair, firstSide, *firstText, *secondText)) {
            entry = pair;
        }
    }
    if (entry == NoPair) {
        return false;
    }
    const std::int32_t entryFirst = CellShowing(state, entry, firstSide);
    if (entryFirst != firstCell) {
        SwapTiles(state, entryFirst, firstCell);
    }
    const std::int32_t entrySecond = CellShowing(state, entry, 1 - firstSide);
    if (entrySecond != secondCell) {
        SwapTiles(state, entrySecond, secondCell);
    }
    return true;
}
