#pragma once

#include "game/allocate_board.h"
#include "game/board_geometry.h"
#include "game/game_state.h"
#include "game/pick.h"
#include "support/recording_host.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

// `text` written `times` times in a row.
inline std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// A word list of `count` pairs ("a0", "b0"), ("a1", "b1"), ...
inline WordPairList NumberedPairs(int count) {
    WordPairList list;
    for (int i = 0; i < count; ++i) {
        list.push_back({"a" + std::to_string(i), "b" + std::to_string(i)});
    }
    return list;
}

// The list as text: "TextA=TextB" per pair, "; " between pairs, a missing word as "<none>".
inline std::string ListText(const WordPairList& list) {
    std::string text;
    for (const WordPair& pair : list) {
        text += (text.empty() ? "" : "; ") + pair.TextA.value_or("<none>") + "=" +
                pair.TextB.value_or("<none>");
    }
    return text;
}

// A game over `pairs` with `tiles` ({cell, pair, side}) on an otherwise empty board, as a deal
// or a load leaves it.
inline GameState MakeGame(const WordPairList& pairs,
                          const std::vector<std::array<std::int32_t, 3>>& tiles = {}) {
    GameState state;
    state.WordList = pairs;
    state.WordsCount = static_cast<std::int32_t>(pairs.size());
    RecordingHost host;
    AllocateBoard(state, host);
    for (const auto& [cell, pair, side] : tiles) {
        PlaceTile(state, cell, pair, side);
    }
    return state;
}

inline std::int64_t Tiles(const GameState& state) {
    return std::count_if(state.AssignmentArray.begin(), state.AssignmentArray.end(),
                         [](std::int32_t pair) { return pair != NoPair; });
}

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

// A client point well inside a grid square, with the board at its usual place.
inline int PixelX(int column) {
    return 180 * column - 80;
}
inline int PixelY(int row) {
    return StandardBoardTop + 67 * row - 33;
}

// A game of NumberedPairs on an empty board, which a play test fills tile by tile.
struct PlayBoard {
    GameState state;
    RecordingHost host;

    explicit PlayBoard(int pairs) : state(MakeGame(NumberedPairs(pairs))) {}

    std::int32_t Put(int pair, int side, int level, int column, int row) {
        const std::int32_t cell = CellIndex(level, column, row);
        PlaceTile(state, cell, pair, side);
        return cell;
    }
    void Press(int x, int y) { LeftButtonDown(state, host, x, y); }
    void PressAt(int column, int row) { Press(PixelX(column), PixelY(row)); }
};
