#include "game/peek.h"

#include "game/game_host.h"
#include "game/game_state.h"
#include "game/hit_test.h"
#include "game/tile_redraw.h"
#include "words/side_line.h"
#include "words/whole_characters.h"

namespace {

// Longest part of the hidden word a peek shows.
constexpr std::size_t PeekWordLength = 290;

int TileStateAt(const GameState& state, BoardPosition position) {
    return position == BoardPosition{state.SelectedCol, state.SelectedRow} ? SelectedTile
                                                                           : NormalTile;
}

// "= " and the hidden side's words; a picture stays a picture, its words under it.
std::string PeekLine(const std::string* hidden) {
    if (hidden == nullptr) {
        return "= ";
    }
    const SideParts parts = ParseSide(*hidden);
    const std::string& words = parts.image.empty() ? ShownText(parts) : parts.text;
    std::string text = "= " + std::string(WholeHead(words, PeekWordLength));
    if (parts.image.empty()) {
        return text;
    }
    SideParts peek;
    peek.text = std::move(text);
    peek.image = parts.image;
    return SideLine(peek);
}

void ForgetPressPoint(GameState& state) {
    state.MouseDownX = 0;
    state.MouseDownY = 0;
}

} // namespace

void RightButtonDown(GameState& state, GameHost& host, int x, int y) {
    state.MouseDownX = x;
    state.MouseDownY = y;
    const BoardPosition hit = HitTest(state, x, y);
    const std::int32_t cell = TopCellOf(state, hit);
    if (cell < 0) {
        ForgetPressPoint(state);
        return;
    }
    const std::string peek = PeekLine(WordHiddenAt(state, cell));
    host.DrawTile(TileStateAt(state, hit), hit.column, hit.row, PlaceOfCell(cell).level, &peek);
    CountOne(state.HintCount);
    host.DrawHintsPanel();
    host.OnPlayEvent({PlayEventKind::Peeked, NoPair, cell});
}

void RightButtonUp(GameState& state, GameHost& host) {
    if (state.MouseDownX != 0 || state.MouseDownY != 0) {
        const BoardPosition pressed = HitTest(state, state.MouseDownX, state.MouseDownY);
        if (DrawTopTile(state, host, TileStateAt(state, pressed), pressed)) {
            host.OnPlayEvent({PlayEventKind::PeekEnded, NoPair, TopCellOf(state, pressed)});
        }
    }
    ForgetPressPoint(state);
}
