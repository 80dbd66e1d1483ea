#pragma once

#include <cstdint>

// What just happened in play, for whatever keeps track of it beside the board: the learning
// record, the move history's menu, speech, screen readers, the status bar. Sent after the
// state has changed.
enum class PlayEventKind {
    // A deal, an opened list or a loaded game: everything before belongs to another game.
    GameStarted,
    // firstCell: the tile the first pick selected.
    TileSelected,
    // firstCell: the tile the player deselected.
    SelectionCleared,
    // pair; firstCell the selected tile, secondCell the one that matched it (both now empty).
    PairMatched,
    // firstCell the selected tile, secondCell the tile that is not its partner.
    WrongPick,
    // firstCell: the tile whose other word is shown until the button is released.
    Peeked,
    PeekEnded,
    // pair; firstCell and secondCell: the two tiles the Hint command framed.
    PairHinted,
    // pair; firstCell and secondCell: the cells automatic play has just emptied.
    PairAutoRemoved,
    // pair; firstCell and secondCell: a removal taken back, and one made again.
    RemovalUndone,
    RemovalRedone,
};

struct PlayEvent {
    PlayEventKind kind;
    std::int32_t pair = -1;
    std::int32_t firstCell = -1;
    std::int32_t secondCell = -1;
};
