#include "game/deal.h"

#include "game/allocate_board.h"
#include "game/auto_play.h"
#include "game/empty_cell_finder.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/stack_room.h"
#include "game/stacked_board.h"

#include <array>
#include <new>

namespace {

constexpr const char* NotEnoughCells =
    GT_TEXT("Message", "Program error, not enough cells to assign word pairs");
constexpr const char* UnableToPlace =
    GT_TEXT("Message", "Unable to place all tiles\nbecause some tiles would have been blocked.\n"
                       "You may want to retry by starting another new game");
constexpr int TryBudget = 4'000'000;
// After this many draws in a row that find no room, or only room that would leave some later
// pair without a place, a position is chosen among those that keep the deal completable.
constexpr int FruitlessDrawLimit = 100;

// Starts a deal: no automatic play may outlive the board it was found on.
bool PrepareDeal(GameState& state, GameHost& host) {
    StopAutomaticPlay(state, host);
    if (AllocateBoard(state, host) != 0) {
        return false;
    }
    state.Random.Seed(host.RandomSeed());
    return true;
}

// Probes from a random cell upwards, wrapping round to cell 0 once.
bool PlaceOnFirstEmptyCell(GameState& state, GameHost& host, EmptyCellFinder& cells,
                           std::int32_t pair, std::int32_t start, std::int32_t side) {
    std::int32_t cell = start < state.CellCount ? cells.FirstEmptyFrom(start) : -1;
    if (cell < 0) {
        cell = cells.FirstEmptyFrom(0);
    }
    if (cell < 0) {
        host.Report(NotEnoughCells);
        return false;
    }
    PlaceTile(state, cell, pair, side);
    cells.Fill(cell);
    return true;
}

int AssignWordPair(GameState& state, GameHost& host, EmptyCellFinder& cells, std::int32_t pair) {
    const std::int32_t first = GetRandomNumber(state.Random, state.CellCount);
    const std::int32_t side = first % 2;
    if (!PlaceOnFirstEmptyCell(state, host, cells, pair, first, side)) {
        return 1;
    }
    const std::int32_t second = GetRandomNumber(state.Random, state.CellCount);
    return PlaceOnFirstEmptyCell(state, host, cells, pair, second, 1 - side) ? 0 : 1;
}

struct Position {
    int column = 0;
    int row = 0;
    bool operator==(const Position&) const = default;
    int Stack() const { return PositionIndex(column, row); }
};

// 1 to n, each as likely as the others: GetRandomNumber would give n only for the generator's
// largest value, leaving the last column and row of a fresh board empty.
int DrawCoordinate(RandomSource& random, int n) {
    constexpr int Values = RandomSource::Max + 1;
    int value = random.Next();
    while (value >= Values - Values % n) {
        value = random.Next();
    }
    return value % n + 1;
}

Position DrawPosition(RandomSource& random) {
    const int column = DrawCoordinate(random, BoardColumns);
    return {column, DrawCoordinate(random, BoardRows)};
}

// One of the positions that `fits`, chosen at random; {0, 0} when there is none.
template <typename Fits> Position DrawPositionWhere(RandomSource& random, Fits fits) {
    std::array<Position, BoardPositions> open{};
    std::int32_t count = 0;
    for (int column = 1; column <= BoardColumns; ++column) {
        for (int row = 1; row <= BoardRows; ++row) {
            if (fits(Position{column, row})) {
                open[static_cast<std::size_t>(count++)] = {column, row};
            }
        }
    }
    if (count == 0) {
        return {};
    }
    return open[static_cast<std::size_t>(DrawCoordinate(random, count) - 1)];
}

int AssignWordPairAtPositions(GameState& state, StackedBoard& board, std::int32_t pair) {
    const std::int32_t pairsAfter = state.WordsCount - pair - 1;
    const auto firstFits = [&](Position at) {
        return FirstTileFits(board.Rooms(), at.Stack(), pairsAfter);
    };
    Position first = DrawPosition(state.Random);
    const std::int32_t side = first.column % 2;
    int budget = TryBudget;
    while (true) {
        for (int draws = 1; !firstFits(first); ++draws) {
            first = draws < FruitlessDrawLimit ? DrawPosition(state.Random)
                                               : DrawPositionWhere(state.Random, firstFits);
            if (first == Position{}) {
                return 1;
            }
        }
        if (budget == 0) {
            return 1;
        }
        --budget;
        if (board.CheckForBlockedTiles(first.column, first.row) == 0) {
            break;
        }
        first = DrawPosition(state.Random);
    }
    board.Place(board.FirstEmptyCellAt(first.column, first.row), pair, side);

    const auto secondFits = [&](Position at) {
        return at != first && SecondTileFits(board.Rooms(), at.Stack(), pairsAfter);
    };
    Position second = DrawPosition(state.Random);
    int secondBudget = TryBudget;
    for (int draws = 1; !secondFits(second); ++draws) {
        if (secondBudget == 0) {
            return 1;
        }
        --secondBudget;
        second = draws < FruitlessDrawLimit ? DrawPosition(state.Random)
                                            : DrawPositionWhere(state.Random, secondFits);
        if (second == Position{}) {
            return 1;
        }
    }
    board.Place(board.FirstEmptyCellAt(second.column, second.row), pair, 1 - side);
    return 0;
}

// The deal's own bookkeeping found no memory: no half-dealt board is left behind.
DealOutcome OutOfMemoryDealing(GameState& state, GameHost& host) {
    DiscardBoard(state);
    host.Report(OutOfMemoryForAssignmentArray);
    return DealOutcome::NoBoard;
}

DealOutcome DealPlain(GameState& state, GameHost& host) {
    if (!PrepareDeal(state, host)) {
        return DealOutcome::NoBoard;
    }
    try {
        EmptyCellFinder cells(state.CellCount);
        for (std::int32_t pair = 0; pair < state.WordsCount; ++pair) {
            if (AssignWordPair(state, host, cells, pair) != 0) {
                return DealOutcome::Incomplete;
            }
        }
    } catch (const std::bad_alloc&) {
        return OutOfMemoryDealing(state, host);
    }
    return DealOutcome::Complete;
}

DealOutcome DealUnblocked(GameState& state, GameHost& host) {
    if (!PrepareDeal(state, host)) {
        return DealOutcome::NoBoard;
    }
    try {
        StackedBoard board(state, host);
        for (std::int32_t pair = 0; pair < state.WordsCount; ++pair) {
            if (AssignWordPairAtPositions(state, board, pair) != 0) {
                host.Report(UnableToPlace);
                return DealOutcome::Incomplete;
            }
        }
    } catch (const std::bad_alloc&) {
        return OutOfMemoryDealing(state, host);
    }
    return DealOutcome::Complete;
}

} // namespace

DealOutcome DealNewBoard(GameState& state, GameHost& host, DealKind kind) {
    return kind == DealKind::Plain ? DealPlain(state, host) : DealUnblocked(state, host);
}

DealOutcome NewGame(GameState& state, GameHost& host) {
    const DealOutcome outcome = DealPlain(state, host);
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return outcome;
}

DealOutcome NewGameUnblocked(GameState& state, GameHost& host) {
    const DealOutcome outcome = DealUnblocked(state, host);
    host.OnPlayEvent({PlayEventKind::GameStarted});
    return outcome;
}
