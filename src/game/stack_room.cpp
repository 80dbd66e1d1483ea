#include "game/stack_room.h"

#include <algorithm>

namespace {

std::int64_t CappedRoom(std::int32_t room, std::int32_t pairs) {
    return std::min<std::int64_t>(room, pairs);
}

} // namespace

bool PairsFit(const StackRooms& rooms, std::int32_t pairs) {
    std::int64_t total = 0;
    for (const std::int32_t room : rooms) {
        total += CappedRoom(room, pairs);
    }
    return total >= 2 * static_cast<std::int64_t>(pairs);
}

bool FirstTileFits(const StackRooms& rooms, int stack, std::int32_t pairsAfter) {
    if (rooms[static_cast<std::size_t>(stack)] == 0) {
        return false;
    }
    // The second tile costs the pairs after it one place, unless its stack has more room than
    // they can use.
    std::int64_t total = 0;
    bool secondHasPlace = false;
    bool secondCostsNothing = false;
    for (int other = 0; other < BoardPositions; ++other) {
        const std::int32_t room = rooms[static_cast<std::size_t>(other)] - (other == stack ? 1 : 0);
        total += CappedRoom(room, pairsAfter);
        if (other != stack && room > 0) {
            secondHasPlace = true;
            secondCostsNothing = secondCostsNothing || room > pairsAfter;
        }
    }
    const std::int64_t cost = secondCostsNothing ? 0 : 1;
    return secondHasPlace && total - cost >= 2 * static_cast<std::int64_t>(pairsAfter);
}

bool SecondTileFits(const StackRooms& rooms, int stack, std::int32_t pairsAfter) {
    if (rooms[static_cast<std::size_t>(stack)] == 0) {
        return false;
    }
    StackRooms after = rooms;
    --after[static_cast<std::size_t>(stack)];
    return PairsFit(after, pairsAfter);
}
