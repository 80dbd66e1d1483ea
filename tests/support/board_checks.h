#pragma once

#include "game/game_state.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// Per pair the cells that hold it, in cell order.
inline std::map<std::int32_t, std::vector<std::int32_t>> CellsByPair(const GameState& state) {
    std::map<std::int32_t, std::vector<std::int32_t>> cells;
    for (std::size_t cell = 0; cell < state.AssignmentArray.size(); ++cell) {
        if (state.AssignmentArray[cell] != NoPair) {
            cells[state.AssignmentArray[cell]].push_back(static_cast<std::int32_t>(cell));
        }
    }
    return cells;
}

// A word list of `count` pairs whose words name their position.
inline WordPairList NumberedPairs(int count) {
    WordPairList list;
    for (int i = 0; i < count; ++i) {
        list.push_back({"a" + std::to_string(i), "b" + std::to_string(i)});
    }
    return list;
}
