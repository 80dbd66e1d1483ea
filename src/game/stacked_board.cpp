#include "game/stacked_board.h"

#include "game/game_host.h"
#include "game/game_state.h"

#include <algorithm>
#include <new>

StackedBoard::StackedBoard(GameState& state, GameHost& host)
    : state_(state), host_(host),
      pairCells_(static_cast<std::size_t>(state.WordsCount), {NoCell, NoCell}) {
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            const auto position = static_cast<std::size_t>(PositionIndex(column, row));
            firstEmptyLevel_[position] = FirstLevelCovering(row);
            rooms_[position] = std::max(state.LevelCount - FirstLevelCovering(row) + 1, 0);
        }
    }
}

std::int32_t StackedBoard::PairAt(std::int32_t cell) const {
    return state_.AssignmentArray[static_cast<std::size_t>(cell)];
}

std::int32_t StackedBoard::FirstEmptyLevelAt(int column, int row) {
    std::int32_t& level = firstEmptyLevel_[static_cast<std::size_t>(PositionIndex(column, row))];
    while (level <= state_.LevelCount && PairAt(CellIndex(level, column, row)) != NoPair) {
        ++level;
    }
    return level;
}

std::int32_t StackedBoard::FirstEmptyCellAt(int column, int row) {
    if (column == 0 || row == 0) {
        return NoCell;
    }
    const std::int32_t level = FirstEmptyLevelAt(column, row);
    return level > state_.LevelCount ? NoCell : CellIndex(level, column, row);
}

std::int32_t StackedBoard::CoveringCellAt(int column, int row) {
    if (column == 0 || row == 0) {
        return NoCell;
    }
    const std::int32_t level = FirstEmptyLevelAt(column, row);
    if (level > state_.LevelCount || level == FirstLevelCovering(row)) {
        return NoCell;
    }
    return CellIndex(level - 1, column, row);
}

std::int32_t StackedBoard::PartnerCell(std::int32_t cell) const {
    const std::int32_t pair = PairAt(cell);
    if (pair == NoPair) {
        return NoCell;
    }
    const auto& cells = pairCells_[static_cast<std::size_t>(pair)];
    return cells[0] == cell ? cells[1] : cells[0];
}

std::int32_t StackedBoard::ChainNeighbour(std::int32_t cell) const {
    const CellPlace place = PlaceOfCell(cell);
    const std::int32_t below = CellIndex(place.level + 1, place.column, place.row);
    if (place.level >= state_.LevelCount || PairAt(below) == NoPair) {
        return NoCell;
    }
    return below;
}

int StackedBoard::CheckForBlockedTiles(int column, int row) {
    if (metStamp_.empty()) {
        try {
            metStamp_.assign(static_cast<std::size_t>(state_.WordsCount), 0);
        } catch (const std::bad_alloc&) {
            host_.Report(GT_TEXT("Message", "Out of memory in CheckForBlockedTiles"));
            return 0;
        }
    }
    const std::int32_t covering = CoveringCellAt(column, row);
    if (covering == NoCell) {
        return 0;
    }
    ++stamp_;
    // Returns true when the pair was met before in this walk.
    auto meet = [this](std::int32_t cell) {
        std::uint32_t& mark = metStamp_[static_cast<std::size_t>(PairAt(cell))];
        const bool met = mark == stamp_;
        mark = stamp_;
        return met;
    };
    meet(covering);
    std::int32_t current = covering;
    while (true) {
        const std::int32_t partner = PartnerCell(current);
        if (partner == NoCell) {
            return 0;
        }
        const std::int32_t next = ChainNeighbour(partner);
        if (next == NoCell) {
            return 0;
        }
        if (meet(next)) {
            return 1;
        }
        const std::int32_t after = ChainNeighbour(next);
        if (after == NoCell) {
            return 0;
        }
        if (meet(after)) {
            return 1;
        }
        current = after;
    }
}

void StackedBoard::Place(std::int32_t cell, std::int32_t pair, std::int32_t side) {
    PlaceTile(state_, cell, pair, side);
    const CellPlace place = PlaceOfCell(cell);
    --rooms_[static_cast<std::size_t>(PositionIndex(place.column, place.row))];
    auto& cells = pairCells_[static_cast<std::size_t>(pair)];
    cells[cells[0] == NoCell ? 0 : 1] = cell;
}
