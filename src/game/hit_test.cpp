#include "game/hit_test.h"

#include "game/game_state.h"

#include <cstdint>

namespace {
constexpr int GridLeft = 10;
constexpr int ColumnWidth = 180;
constexpr int RowHeight = 67;

// Which of `count` bands of `width` pixels, starting just past `origin`, holds `at`; 0 for
// none. 64 bits, so that no pixel value can overflow the arithmetic.
int BandAt(std::int64_t at, std::int64_t origin, int width, int count) {
    const std::int64_t offset = at - origin;
    if (offset <= 0 || offset > static_cast<std::int64_t>(width) * count) {
        return 0;
    }
    return static_cast<int>((offset - 1) / width) + 1;
}
} // namespace

BoardPosition HitTest(const GameState& state, int x, int y) {
    return {BandAt(x, GridLeft, ColumnWidth, BoardColumns),
            BandAt(y, state.BoardTop, RowHeight, BoardRows)};
}
